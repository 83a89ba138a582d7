#include <QAction>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "gui/app/status_panels.h"
#include "support/test_window.h"

using namespace quirvo;
using quirvo::test::TestWindow;

class DictionaryLoadingTest : public QObject {
    Q_OBJECT

private slots:
    void twoDictionariesGetTheirMenuItemsAndPanels() {
        TestWindow w({{"base.diz", "CASA\r\nCANE\r\nCASO\r\n"}, {"mie.dic", "ZETA\r\n"}});
        QVERIFY(w.waitLoaded());
        QCOMPARE(w->menuItem("d1")->text(), QString("D1- base.diz"));
        QCOMPARE(w->menuItem("d2")->text(), QString("D2- mie.dic"));
        QVERIFY(w->menuItem("d2")->isVisible());
        QVERIFY(!w->menuItem("d3")->isVisible());
        QCOMPARE(w->stb1()->panel(11)->toolTip(), QString("base"));
        QCOMPARE(w->stb1()->panel(12)->toolTip(), QString("mie"));
        QVERIFY(w->stb1()->panel(12)->isVisibleTo(w.get()));
        QVERIFY(!w->stb1()->panel(13)->isVisibleTo(w.get()));
        QCOMPARE(w->session().programFolder, (w.programFolder() + "/").toStdString());
        // CANE after CASA is out of order: one warning naming it.
        QCOMPARE(int(w.messages.size()), 1);
        QCOMPARE(w.messages[0].title, QString("Attenzione..."));
        QVERIFY(w.messages[0].text.startsWith(QString::fromUtf8("Questa parola CANE è fuori sequenza")));
        QCOMPARE(w.quits, 0);
    }

    void switchingDictionariesOnAndOff() {
        TestWindow w({{"base.diz", "CASA\r\n"}, {"a.diz", "ALFA\r\n"}, {"b.dic", "BETA\r\n"}});
        QVERIFY(w.waitLoaded());
        StatusPanel* d3 = w->stb1()->panel(13);
        const QColor lit = d3->palette().color(QPalette::WindowText);
        QTest::mouseClick(d3, Qt::LeftButton);
        QVERIFY(!w->menuItem("d3")->isChecked());
        QVERIFY(!w->session().dictionaryActive(3));
        QVERIFY(!d3->isLit());
        QVERIFY(d3->palette().color(QPalette::WindowText) != lit);
        QCOMPARE(d3->toolTip(), QString());
        // The greyed panel still takes the click that switches it on again.
        QTest::mouseClick(d3, Qt::LeftButton);
        QVERIFY(w->menuItem("d3")->isChecked());
        QVERIFY(w->session().dictionaryActive(3));
        QVERIFY(d3->isLit());
        QCOMPARE(d3->palette().color(QPalette::WindowText), lit);
        QCOMPARE(d3->toolTip(), QString("b"));
        w->menuItem("d3")->trigger();
        QVERIFY(!w->session().dictionaryActive(3));
        w->menuItem("d3")->trigger();
        QVERIFY(w->session().dictionaryActive(3));

        w->menuItem("d1")->trigger();
        QVERIFY(w->menuItem("d1")->isChecked());
        QCOMPARE(w.messages.back().text, QString::fromUtf8("... il dizionario base.diz non è disattivabile!"));
    }

    void missingBaseEndsTheProgram() {
        TestWindow w(TestWindow::Files{{"BASE.DIZ", "CASA\r\n"}});
        QVERIFY(QTest::qWaitFor([&] { return w.quits > 0; }, 10000));
        QCOMPARE(w.messages.at(0).title, QString("Errore ..."));
        QCOMPARE(w.messages.at(0).text, QString("... manca il dizionario obbligatorio: base.diz !"));
        QCOMPARE(w.messages.at(0).icon, QMessageBox::Critical);
    }

    void damagedDizEndsTheProgram() {
        QTemporaryDir folder;
        QFile junk(folder.filePath("base.diz"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a dictionary");
        junk.close();
        TestWindow broken(TestWindow::fastStartup(), folder.path());
        QVERIFY(QTest::qWaitFor([&] { return broken.quits > 0; }, 10000));
        QCOMPARE(broken.messages.back().text, QString("... errori nel richiamo dei dizionari *.diz !"));
    }
};

QTEST_MAIN(DictionaryLoadingTest)
#include "dictionary_loading_test.moc"
