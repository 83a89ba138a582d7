#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "core/dictionary/facts_file.h"
#include "gui/app/status_panels.h"
#include "gui/fill/fill_settings_dialog.h"
#include "gui/fill/suggestion_shading.h"
#include "support/grid_input.h"
#include "support/test_window.h"

using namespace quirvo;
using namespace quirvo::test;

namespace {

// A 2 x 3 grid reads ABC over DEF, or ABG over DEH; the facts make ABG a
// conjugated verb, which the rules refuse.
const char* const WORDS = "ABC\r\nABG\r\nAD\r\nBE\r\nCF\r\nDEF\r\nDEH\r\nGH\r\n";

std::string wordFacts() {
    FactsWriter writer;
    writer.addDictionary("base.diz");
    for (const char* noun : {"ABC", "AD", "BE", "CF", "DEF", "DEH", "GH"})
        writer.set(noun, {kindBit(WordKind::Noun), 60, 0, NO_LEMMA});
    writer.set("ABG", {kindBit(WordKind::FiniteVerb), 40, 0, NO_LEMMA});
    return writer.encode();
}

QColor lineColour(MainWindow& w, const QString& line) {
    const QList<QListWidgetItem*> items = w.lists()->findItems(line, Qt::MatchExactly);
    return items.isEmpty() ? QColor() : items.front()->foreground().color();
}

QDialog* openOptions(MainWindow& w) {
    w.menuItem("OpzioniRiempi")->trigger();
    return w.findChild<FillSettingsDialog*>("OpzioniRiempimento");
}

}  // namespace

class EditorRulesTest : public QObject {
    Q_OBJECT

private slots:
    void refusedWordsStayOutOfFillsAndTakeTheirColourInTheList() {
        TestWindow w(TestWindow::Files{{"base.diz", WORDS}, {FACTS_FILE_NAME, wordFacts()}});
        QVERIFY(w.waitLoaded());
        QCOMPARE(w->stb1()->text(3).trimmed(), QString());
        w.createGrid(2, 3);
        for (int run = 0; run < 4; ++run) {  // every seed keeps to the rules
            w->menuItem("Riempi")->trigger();
            QTRY_COMPARE(w->session().busyLevel, int16_t(0));
            QCOMPARE(gridRows(*w), QStringList({"ABC", "DEF"}));
            clickToolbar(*w, "a7");
        }

        clickToolbar(*w, "a3");
        clickCell(*w, 0, 0);
        typeOnGrid(*w, "A");
        clickToolbar(*w, "a1");
        clickCell(*w, 0, 0);
        QCOMPARE(listLines(*w), QStringList({"ABC -1", "ABG -1"}));
        QTRY_COMPARE(lineColour(*w, "ABG -1"), REFUSED_LINE_COLOUR);
        QVERIFY(lineColour(*w, "ABC -1") != REFUSED_LINE_COLOUR);

        // Switched off, the rules colour nothing.
        QDialog* options = openOptions(*w);
        QVERIFY(options);
        options->findChild<QGroupBox*>("Regole")->setChecked(false);
        options->accept();
        clickCell(*w, 1, 0);
        clickCell(*w, 0, 0);
        QTest::qWait(200);
        QVERIFY(lineColour(*w, "ABG -1") != REFUSED_LINE_COLOUR);
    }

    void withoutTheFactsFileTheRulesWaitAndThePanelSaysWhy() {
        TestWindow w(TestWindow::Files{{"base.diz", WORDS}, {FACTS_FILE_NAME, "QVFATTI"}});
        QVERIFY(w.waitLoaded());
        QCOMPARE(w->stb1()->text(3), " " + QString::fromUtf8(FACTS_DAMAGED_MESSAGE) + " ");
        QVERIFY(w.messages.empty());
        QDialog* options = openOptions(*w);
        QVERIFY(options);
        QVERIFY(!options->findChild<QGroupBox*>("Regole")->isEnabled());
        options->reject();
        w.createGrid(2, 3);
        w->menuItem("Riempi")->trigger();
        QTRY_COMPARE(w->session().busyLevel, int16_t(0));
        QCOMPARE(w->stb1()->text(2), QString(" schema riempito "));
    }
};

QTEST_MAIN(EditorRulesTest)
#include "editor_rules_test.moc"
