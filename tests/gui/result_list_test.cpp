#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "gui/app/status_panels.h"
#include "gui/display/grid_view.h"
#include "support/grid_input.h"
#include "support/test_window.h"

using namespace quirvo;
using namespace quirvo::test;

namespace {

// The state a row-slot search leaves: the slot's bounds and outline, and
// the result lines in the list.
void offerRowSlot(MainWindow& w, int row, int firstCol, int lastCol, const QStringList& lines) {
    Session& s = w.session();
    s.slot.slotColFirst = int16_t(firstCol);
    s.slot.slotColLast = int16_t(lastCol);
    s.outline = {int16_t(firstCol), int16_t(row), int16_t(lastCol - firstCol + 1), 1};
    s.priclk = 0;
    w.lists()->addItems(lines);
}

void offerColumnSlot(MainWindow& w, int col, int firstRow, int lastRow, const QStringList& lines) {
    Session& s = w.session();
    s.slot.slotRowFirst = int16_t(firstRow);
    s.slot.slotRowLast = int16_t(lastRow);
    s.outline = {int16_t(col), int16_t(firstRow), 1, int16_t(lastRow - firstRow + 1)};
    s.priclk = 0;
    w.lists()->addItems(lines);
}

QRectF lastOutline(const MainWindow& w) { return w.peri()->overlays().last().cells; }

}  // namespace

class ResultListTest : public QObject {
    Q_OBJECT

private slots:
    void aSecondLineReplacesTheFirstAndOneUndoRestoresTheSlot() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w.createGrid(3, 7);
        w.setRows({"???????", "#??R??#", "???????"});
        clickToolbar(*w, "a1");
        offerRowSlot(*w, 1, 1, 5, {"CARTA -2", "MORSA -1", "PARCO -3"});
        w->command(1)->setEnabled(true);

        QVERIFY(clickListLine(*w, "CARTA -2"));
        QCOMPARE(gridRows(*w)[1], QString("#CARTA#"));
        QCOMPARE(w->textb()->text(), QString("CARTA"));
        QCOMPARE(lastOutline(*w), QRectF(1, 1, 5, 1));
        QVERIFY(!w->command(1)->isEnabled());
        const ChangeHistory& h = w->session().history;
        QCOMPARE(h.historyPos, int16_t(12));  // the R was already there
        QCOMPARE(h.changeHistory[0], int16_t(1001));

        QVERIFY(clickListLine(*w, "PARCO -3"));
        QCOMPARE(gridRows(*w)[1], QString("#PARCO#"));
        QCOMPARE(h.historyPos, int16_t(12));
        QVERIFY(clickListLine(*w, "MORSA -1"));
        QCOMPARE(gridRows(*w)[1], QString("#MORSA#"));

        clickToolbar(*w, "a7");
        QCOMPARE(gridRows(*w)[1], QString("#??R??#"));
        QCOMPARE(w->stb1()->text(2), QString(" Annullo n. 1 "));
        QCOMPARE(w->peri()->overlays().size(), 4);
        QVERIFY(!w->button("a7")->isEnabled());
        clickToolbar(*w, "a8");
        QCOMPARE(gridRows(*w)[1], QString("#MORSA#"));
        QCOMPARE(w->stb1()->text(2), QString(" Ripristino n. 4 "));
    }

    void repeatedClicksCycleThroughTheBracketedVowels() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w.createGrid(5, 2);
        clickToolbar(*w, "a2");
        offerColumnSlot(*w, 1, 0, 4, {"PESC(AE) -1", "PESTO -2"});
        const QString want[] = {"PESCA", "PESCE", "PESCA"};
        for (const QString& word : want) {
            QVERIFY(clickListLine(*w, "PESC(AE) -1"));
            QString column;
            for (const QString& row : gridRows(*w)) column += row[1];
            QCOMPARE(column, word);
            QCOMPARE(w->textb()->text(), word);
            QCOMPARE(w->session().history.historyPos, int16_t(15));
        }
        QVERIFY(clickListLine(*w, "PESTO -2"));
        QVERIFY(clickListLine(*w, "PESC(AE) -1"));
        // Another line in between starts the cycle again.
        QCOMPARE(w->textb()->text(), QString("PESCA"));
        QCOMPARE(lastOutline(*w), QRectF(1, 0, 1, 5));
    }

    void leadingBlanksOfAFreeHeadKeepTheirCells() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w.createGrid(2, 7);
        w.setRows({"#X????#", "???????"});
        clickToolbar(*w, "a1");
        offerRowSlot(*w, 0, 1, 5, {"  OSA -2"});
        QVERIFY(clickListLine(*w, "  OSA -2"));
        QCOMPARE(gridRows(*w)[0], QString("#X?OSA#"));
        QCOMPARE(lastOutline(*w), QRectF(3, 0, 3, 1));
        QCOMPARE(w->session().history.historyPos, int16_t(9));
    }

    void crossingLetterWithANote() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w.createGrid(3, 3);
        clickToolbar(*w, "a6");
        Session& s = w->session();
        s.outline = {1, 2, 1, 1};
        w->lists()->addItems({"A (Vert.-3)", "O (Oriz.-2 / Vert.-1)"});
        QVERIFY(clickListLine(*w, "O (Oriz.-2 / Vert.-1)"));
        QCOMPARE(gridRows(*w)[2], QString("?O?"));
        QCOMPARE(w->textb()->text(), QString("O"));
        QVERIFY(clickListLine(*w, "A (Vert.-3)"));
        QCOMPARE(gridRows(*w)[2], QString("?A?"));
        QCOMPARE(lastOutline(*w), QRectF(1, 2, 1, 1));
    }

    void testToolLinesGoToTheTestFieldOnly() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w.createGrid(2, 2);
        w->button("a10")->setEnabled(true);
        clickToolbar(*w, "a10");
        w->lists()->addItems({"=         sinonimi         =", "=DIMORA", ">         contrari          <"});
        w->textb()->setText("casa");
        QVERIFY(clickListLine(*w, "=         sinonimi         ="));
        QVERIFY(clickListLine(*w, ">         contrari          <"));
        QCOMPARE(w->textb()->text(), QString("casa"));
        QVERIFY(clickListLine(*w, "=DIMORA"));
        QCOMPARE(w->textb()->text(), QString("DIMORA"));
        QCOMPARE(gridRows(*w), QStringList({"??", "??"}));
        QCOMPARE(w->session().history.historyPos, int16_t(0));
    }

    void aTestToolLineTakesBackTheTransferButNeverATypedLetter() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w.createGrid(2, 4);
        w->button("a9")->setEnabled(true);
        clickToolbar(*w, "a1");
        offerRowSlot(*w, 0, 0, 3, {"ROMA -1"});
        QVERIFY(clickListLine(*w, "ROMA -1"));
        clickToolbar(*w, "a9");
        w->lists()->addItems({"AMOR", "RAMO"});
        QVERIFY(clickListLine(*w, "AMOR"));
        // The provisional transfer is withdrawn.
        QCOMPARE(gridRows(*w)[0], QString("????"));
        QCOMPARE(w->textb()->text(), QString("AMOR"));

        clickToolbar(*w, "a1");
        offerRowSlot(*w, 0, 0, 3, {"ROMA -1"});
        QVERIFY(clickListLine(*w, "ROMA -1"));
        clickToolbar(*w, "a3");
        QTest::mouseMove(w->peri(), cellPoint(*w, 1, 0));  // the pointer alone places the cursor
        typeOnGrid(*w, "x");
        clickToolbar(*w, "a9");
        w->lists()->addItems({"AMOR"});
        QVERIFY(clickListLine(*w, "AMOR"));
        QCOMPARE(gridRows(*w), QStringList({"ROMA", "X???"}));
    }
};

QTEST_MAIN(ResultListTest)
#include "result_list_test.moc"
