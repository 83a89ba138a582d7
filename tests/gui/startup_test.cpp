#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "gui/app/help_window.h"
#include "gui/app/status_panels.h"
#include "gui/display/grid_view.h"
#include "support/test_window.h"

using namespace quirvo;
using quirvo::test::TestWindow;

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void everyToolbarButtonDisabledBeforeLoading() {
        StartupOptions slow = TestWindow::fastStartup();
        slow.loadDelayMs = 60000;
        TestWindow w(slow);
        for (int k = 0; k <= 12; ++k) QVERIFY(!w->button(QStringLiteral("a%1").arg(k))->isEnabled());
        QCOMPARE(w->stb1()->text(2), QString(" Attendi ...                            "));
        QCOMPARE(w->stb1()->text(2).size(), 40);
        QCOMPARE(w->windowTitle(), QString("  QUIRVO   "));
        QVERIFY(!w->textb()->isEnabled());
        QVERIFY(w->label0()->isVisible());
        QCOMPARE(w->session().workMode, int16_t(9));
        QCOMPARE(w->session().modeKey, std::string("a9"));
        // Start-up switched the extended search off once.
        QVERIFY(!w->menuItem("Estesa")->isChecked());
        QVERIFY(w->menuItem("Accorcia")->isChecked());
        QVERIFY(w->stb1()->panel(7)->isVisibleTo(w.get()));
        QVERIFY(!w->stb1()->panel(8)->isVisibleTo(w.get()));
    }

    void loadingEndsWithTestToolsOnly() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        QVERIFY(w->button("a9")->isEnabled());
        QVERIFY(w->textb()->isEnabled());
        for (int k = 0; k <= 8; ++k) QVERIFY(!w->button(QStringLiteral("a%1").arg(k))->isEnabled());
        QCOMPARE(w->stb1()->text(2),
                 QString(" Aprire un CRUCIVERBA dal menu File o usare TEST e i pulsanti a sinistra "));
        QVERIFY(!w->secCar()->isVisible());
    }

    void narrowAndWideScreens() {
        StartupOptions narrow = TestWindow::fastStartup();
        narrow.screenTwips = QSize(11999, 9000);
        TestWindow n(narrow);
        QCOMPARE(n->session().Im2, int16_t(-1));
        QCOMPARE(n->lists()->font().families().value(0), QString("Courier New"));
        QCOMPARE(n->lists()->font().pointSizeF(), 8.0);
        QCOMPARE(n->findChild<QToolBar*>("Tlb1")->iconSize(), QSize(20, 20));

        StartupOptions wide = TestWindow::fastStartup();
        wide.screenTwips = QSize(12000, 9000);
        TestWindow w(wide);
        QCOMPARE(w->session().Im2, int16_t(0));
        QCOMPARE(w->lists()->font().families().value(0), QString("Courier"));
        QCOMPARE(w->findChild<QToolBar*>("Tlb1")->iconSize(), QSize(32, 32));
    }

    void gridSetUpEnablesToolsAndWritesPanels() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w.createGrid(5, 7);
        for (int k = 0; k <= 6; ++k) QVERIFY(w->button(QStringLiteral("a%1").arg(k))->isEnabled());
        QVERIFY(!w->button("a7")->isEnabled());
        QVERIFY(!w->button("a8")->isEnabled());
        QCOMPARE(w->stb1()->text(1), QString(" Per lavorare nel Cruciverba usare i Bottoni in alto a destra "));
        for (int p = 2; p <= 4; ++p) QCOMPARE(w->stb1()->text(p), QString(" "));
        QVERIFY(w->peri()->isVisible());
        QVERIFY(w->menuItem("Numerare")->isChecked());
        const GridMetrics& m = w->session().metrics;
        QCOMPARE(m.dimv, int16_t(qRound(w->twips().screenWidth() * 0.03)));
        QVERIFY(w->peri()->letterHeightInCells(m.dimLet) <= 1.0);
    }

    void helpOpensAtTheContentsOnF1() {
        TestWindow w;
        w->setHelpContext(7);
        w->menuItem("AiutoF1")->trigger();
        QCOMPARE(w->helpContext(), 1000);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QTest::keyClick(w->textb(), Qt::Key_F1);
        auto* help = w->findChild<HelpWindow*>("HelpWindow");
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->source().fileName(), QString("indice.html"));
        QVERIFY(help->toPlainText().contains("Indice"));
    }

    void statusPanelTwoStopsOnlyWhileBusy() {
        TestWindow w;
        QTest::mouseClick(w->stb1()->panel(2), Qt::LeftButton);
        QCOMPARE(w->session().stopRequest, int16_t(0));
        w->session().busyLevel = 2;
        QTest::mouseClick(w->stb1()->panel(2), Qt::LeftButton);
        QCOMPARE(w->session().stopRequest, int16_t(1));
        w->session().busyLevel = 0;
    }

    void panelsSevenAndEightToggleTheExtendedSearch() {
        TestWindow w;
        QTest::mouseClick(w->stb1()->panel(7), Qt::LeftButton);
        QVERIFY(w->menuItem("Estesa")->isChecked());
        QVERIFY(w->session().estesa);
        QVERIFY(!w->stb1()->panel(7)->isVisibleTo(w.get()));
        QTest::mouseClick(w->stb1()->panel(8), Qt::LeftButton);
        QVERIFY(!w->session().estesa);
        w->session().busyLevel = 2;
        QTest::mouseClick(w->stb1()->panel(7), Qt::LeftButton);
        QVERIFY(!w->menuItem("Estesa")->isChecked());
        w->session().busyLevel = 0;
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
