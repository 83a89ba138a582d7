#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "gui/app/status_panels.h"
#include "support/grid_input.h"
#include "support/test_window.h"

using namespace quirvo;
using namespace quirvo::test;

class TestToolsTest : public QObject {
    Q_OBJECT

private slots:
    void anagramsTransferToTheTestField() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        QTest::keyClicks(w->textb(), "roma");
        clickToolbar(*w, "a9");
        QCOMPARE(listLines(*w), QStringList({"AMOR", "ARMO", "MORA", "ORMA", "RAMO"}));
        QCOMPARE(w->stb1()->text(2), QString(" 5 Anagrammi "));
        QCOMPARE(w->stb1()->text(1), QString(" ANAGRAMMI di TEST "));
        QVERIFY(clickListLine(*w, "MORA"));
        QCOMPARE(w->textb()->text(), QString("MORA"));

        w->textb()->setText("xyz");
        clickToolbar(*w, "a9");
        QCOMPARE(listLines(*w), QStringList({" ", " nessun Anagramma "}));
        QVERIFY(clickListLine(*w, " nessun Anagramma "));
        QCOMPARE(w->textb()->text(), QString("xyz"));
    }

    void wordLinkOpensSpellingAndSynonyms() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        QVERIFY(!w->button("a10")->isEnabled());
        QCOMPARE(w->menuItem("FunWord")->text(), QString("Attivazione Funzioni Linguistiche (sinonimi, ortografia)"));
        w->menuItem("FunWord")->trigger();
        QVERIFY(w->menuItem("FunWord")->isChecked());
        QVERIFY(w->button("a11")->isEnabled());

        w->textb()->setText("gatto");
        clickToolbar(*w, "a10");
        const QStringList synonyms = listLines(*w);
        QVERIFY(synonyms.contains("=         sinonimi         ="));
        QVERIFY(synonyms.contains("=FELINO"));
        QVERIFY(clickListLine(*w, "=FELINO"));
        QCOMPARE(w->textb()->text(), QString("FELINO"));

        w->textb()->setText("perche");
        clickToolbar(*w, "a11");
        QCOMPARE(w->stb1()->text(2), QString(" ERR. Ortografia "));
        QVERIFY(listLines(*w).contains(QString::fromUtf8("PERCHÉ")));

        w->textb()->setText("ab?c");
        clickToolbar(*w, "a11");
        QCOMPARE(w->stb1()->text(2), QString(" non valido "));

        w->menuItem("FunWord")->trigger();
        QVERIFY(!w->menuItem("FunWord")->isChecked());
        QVERIFY(!w->button("a10")->isEnabled());
    }
};

QTEST_MAIN(TestToolsTest)
#include "test_tools_test.moc"
