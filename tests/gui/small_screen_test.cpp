#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "support/dock_layout.h"
#include "support/test_window.h"

using namespace quirvo;
using namespace quirvo::test;

// The program on a small screen of 1024 x 700 pixels whose windows have a
// frame, as a window manager gives them.
class SmallScreenTest : public QObject {
    Q_OBJECT

private slots:
    void theScreenIsSmall() { QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().size(), QSize(1024, 700)); }

    void unMaximisedTheFrameLiesOnTheScreen() {
        TestWindow w;
        w->showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->showNormal();
        const QRect area = w->screen()->availableGeometry();
        QTRY_VERIFY(!w->isMaximized());
        QVERIFY2(area.contains(w->frameGeometry()), qPrintable(QString("%1,%2 %3x%4")
                                                                   .arg(w->frameGeometry().x())
                                                                   .arg(w->frameGeometry().y())
                                                                   .arg(w->frameGeometry().width())
                                                                   .arg(w->frameGeometry().height())));
    }

    void theDefinitionsDockLeavesEverythingReachable() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w->showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        DefinitionsPanel* panel = openGridAndDock(w);
        QVERIFY(panel);
        verifyEverythingReachable(*w, *panel);
    }

    void theSchemaDialogLiesOnTheScreen() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w->showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->menuItem("GeneraSchema")->trigger();
        QWidget* dialog = w->findChild<QWidget*>("GeneraSchema");
        QVERIFY(dialog && dialog->isVisible());
        QTRY_VERIFY(w->screen()->availableGeometry().contains(dialog->frameGeometry()));
        QVERIFY(dialog->findChild<QWidget*>("UsaSchema")->isVisibleTo(dialog));
    }
};

// The offscreen platform takes its screen from a file.
int main(int argc, char** argv) {
    QTemporaryDir dir;
    const QString config = dir.filePath("schermo.json");
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) return 2;
    file.write(R"({"windowFrameMargins": true, "screens": [{"name": "piccolo", "x": 0, "y": 0,
                  "width": 1024, "height": 700, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    QApplication app(argc, argv);
    SmallScreenTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "small_screen_test.moc"
