#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QToolTip>

#include "core/grid/cell_codes.h"
#include "gui/app/status_panels.h"
#include "gui/display/grid_view.h"
#include "gui/files/grid_file_io.h"
#include "support/document_helpers.h"
#include "support/grid_input.h"
#include "support/test_window.h"

using namespace quirvo;
using namespace quirvo::test;

namespace {

QString checkText(TestWindow& w) { return w->stb1()->checkPanel()->text(); }

// How many pixels of a cell as the picture shows it are of a red hue, and
// how many of a violet one.
struct Hues {
    int red = 0, violet = 0;
};

Hues huesOf(TestWindow& w, int row, int col) {
    const QImage picture = w->peri()->grab().toImage();
    const QPoint from = cellPoint(*w, row, col, 0, 0), to = cellPoint(*w, row, col, 1, 1);
    Hues found;
    for (int y = from.y(); y <= to.y(); ++y)
        for (int x = from.x(); x <= to.x(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            if (c.hsvSaturationF() < 0.15) continue;
            const int hue = c.hsvHue();
            found.red += hue < 25 || hue > 335;
            found.violet += hue > 255 && hue < 295;
        }
    return found;
}

// Marked as a cell no letter can fill: violet, and nothing in it red, the
// colour of the outlines of the slot under work and of what undo changed.
bool markedDead(TestWindow& w, int row, int col) {
    const Hues h = huesOf(w, row, col);
    return h.violet > 0 && h.red == 0;
}

// Whether some pixel of the cell is a mid grey, as a forced letter is drawn.
bool holdsGrey(TestWindow& w, int row, int col) {
    const QImage picture = w->peri()->grab().toImage();
    const QPoint from = cellPoint(*w, row, col, 0.1, 0.1), to = cellPoint(*w, row, col, 0.9, 0.9);
    for (int y = from.y(); y < to.y(); ++y)
        for (int x = from.x(); x < to.x(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            if (c.red() == c.green() && c.green() == c.blue() && c.red() > 90 && c.red() < 190) return true;
        }
    return false;
}

bool hasForced(TestWindow& w, int row, int col, char letter) {
    for (const CheckMarks::Forced& f : w->peri()->checkMarks().forced)
        if (f.row == row && f.col == col && f.letter == letter) return true;
    return false;
}

const QColor DEAD_LINE(160, 160, 160);

// The tool tip the pointer resting on a line of the result list shows.
QString lineToolTip(QListWidget* list, const QString& line) {
    QToolTip::hideText();
    const QPoint at = list->visualItemRect(list->findItems(line, Qt::MatchExactly).first()).center();
    QHelpEvent rest(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &rest);
    return QToolTip::text();
}

}  // namespace

class GridCheckTest : public QObject {
    Q_OBJECT

private slots:
    // CANE and CAS! (CASA, CASE) are the only words of C???: its second
    // letter is forced to A, and a Z in the third cell leaves no word.
    void deadCellsComeWithTheLetterAndGoWithUndo() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        QVERIFY(w->menuItem("Controllo")->isChecked());
        w.createGrid(2, 4);
        w.setRows({"C???", "####"});
        QTRY_COMPARE(checkText(w), QString(" nessun conflitto "));
        QVERIFY(hasForced(w, 0, 1, 'A'));
        QVERIFY(holdsGrey(w, 0, 1));
        QVERIFY(!markedDead(w, 0, 2));

        clickToolbar(*w, "a3");
        clickCell(*w, 0, 2);
        typeOnGrid(*w, "Z");
        QTRY_COMPARE(checkText(w), QString(" 4 caselle senza soluzione "));
        QVERIFY(markedDead(w, 0, 1));
        QCOMPARE(w->peri()->checkMarks().emptySlots.size(), size_t(1));
        QVERIFY(w->peri()->checkMarks().forced.empty());

        // Undo frames the cell it changed in red, which no dead cell shows.
        clickToolbar(*w, "a7");
        QTRY_COMPARE(checkText(w), QString(" nessun conflitto "));
        QVERIFY(!markedDead(w, 0, 1));
        QVERIFY(huesOf(w, 0, 2).red > 0 && huesOf(w, 0, 2).violet == 0);
        QVERIFY(w->peri()->checkMarks().deadCells.empty());
    }

    void forcedLetterIsNeitherInTheGridNorInTheFile() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w.createGrid(2, 4);
        w.setRows({"C???", "####"});
        QTRY_VERIFY(hasForced(w, 0, 1, 'A'));
        QCOMPARE(w->session().grid.cell(0, 1), EMPTY_CELL);
        QCOMPARE(w->session().history.historyPos, int16_t(0));
        const QString path = w.programFolder() + "/forzata.qrv";
        QVERIFY(saveGridPath(path, w->session().grid, w->session().definitions).isEmpty());
        const QByteArray saved = fileBytes(path);
        QVERIFY(saved.contains("C???"));
        QVERIFY(!saved.contains("CA"));
    }

    void switchingTheCheckOffRemovesEveryMark() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w.createGrid(2, 4);
        w.setRows({"CZ??", "####"});
        QTRY_VERIFY(!w->peri()->checkMarks().empty());
        w->menuItem("Controllo")->trigger();
        QVERIFY(w->peri()->checkMarks().empty());
        QVERIFY(checkText(w).isEmpty());
        QVERIFY(!markedDead(w, 0, 2));
        w.setRows({"CX??", "####"});
        QTest::qWait(100);
        QVERIFY2(w->peri()->checkMarks().empty(), "no check runs while the item is off");
        w->menuItem("Controllo")->trigger();
        QTRY_COMPARE(checkText(w), QString(" 4 caselle senza soluzione "));
    }

    // Below each letter of the row lies a down slot of two cells, and only
    // A, N, E, S, O and R begin a word of two letters: CUBO would leave the
    // second column without a word.
    void rowSuggestionThatKillsACrossingIsGrey() {
        TestWindow w(TestWindow::Files{{"base.diz", "CANE\r\nCAS!\r\nCORO\r\nCUBO\r\nAI\r\nNO\r\nEH\r\nSI\r\nOH\r\nRE\r\n"}});
        QVERIFY(w.waitLoaded());
        w.createGrid(2, 4);
        w.setRows({"C???", "????"});
        clickToolbar(*w, "a1");
        clickCell(*w, 0, 1);
        const QStringList shown{"CANE -1", "CAS(AE) -1", "CORO -1", "CUBO -1"};
        QCOMPARE(listLines(*w), shown);
        QListWidget* list = w->lists();
        QTRY_COMPARE(list->findItems("CUBO -1", Qt::MatchExactly).first()->foreground().color(), DEAD_LINE);
        for (const char* alive : {"CANE -1", "CAS(AE) -1", "CORO -1"})
            QVERIFY2(list->findItems(alive, Qt::MatchExactly).first()->foreground().color() != DEAD_LINE, alive);
        QCOMPARE(lineToolTip(list, "CUBO -1"), QString("Click per trasferire a RIGA\nBlocca il 2 e il 3 Verticale"));
        QCOMPARE(lineToolTip(list, "CANE -1"), QString("Click per trasferire a RIGA"));

        // The grey line transfers as any other.
        QVERIFY(clickListLine(*w, "CUBO -1"));
        QCOMPARE(gridRows(*w).first(), QString("CUBO"));

        w->menuItem("Controllo")->trigger();
        clickToolbar(*w, "a7");
        clickToolbar(*w, "a1");
        clickCell(*w, 0, 1);
        QCOMPARE(listLines(*w), shown);
        QTest::qWait(100);
        for (const QString& line : shown)
            QVERIFY2(list->findItems(line, Qt::MatchExactly).first()->foreground().color() != DEAD_LINE,
                     qPrintable(line));
    }
};

QTEST_MAIN(GridCheckTest)
#include "grid_check_test.moc"
