#include <QAction>
#include <QListWidget>
#include <QTest>

#include "gui/app/status_panels.h"
#include "gui/display/grid_view.h"
#include "gui/editing/grid_keyboard.h"
#include "support/grid_input.h"
#include "support/test_window.h"

using namespace quirvo;
using namespace quirvo::test;

namespace {

QPoint current(MainWindow& w) { return QPoint(w.session().curCol, w.session().curRow); }

// The red outlines on the picture, as whole cells.
QList<QRect> redOutlines(const MainWindow& w) {
    QList<QRect> cells;
    for (const GridView::Overlay& o : w.peri()->overlays())
        if (o.color == QColor(255, 0, 0)) cells << o.cells.toRect();
    return cells;
}

}  // namespace

class GridEditingTest : public QObject {
    Q_OBJECT

private slots:
    void clickActsOnTheCellUnderThePointerWherever() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w.createGrid(3, 4);
        clickToolbar(*w, "a0");
        for (double f : {0.1, 0.5, 0.9}) {
            clickCell(*w, 1, 2, f, f);
            QCOMPARE(current(*w), QPoint(2, 1));
            clickCell(*w, 1, 2, f, f);  // whiten it again
        }
        QCOMPARE(gridRows(*w), QStringList({"????", "????", "????"}));
        clickCell(*w, 0, 0, 0.05, 0.05);
        clickCell(*w, 2, 3, 0.95, 0.95);
        QCOMPARE(gridRows(*w), QStringList({"#???", "????", "???#"}));
        QCOMPARE(w->stb1()->text(4), QString(" R3 C4  "));
    }

    void blackenAndWhitenALetterAreTwoUndoGroups() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w.createGrid(2, 3);
        w.setRows({"?A?", "???"});
        clickToolbar(*w, "a0");
        clickCell(*w, 0, 1);
        QCOMPARE(gridRows(*w)[0], QString("?#?"));
        QCOMPARE(w->stb1()->text(2), QString(" annerita "));
        QCOMPARE(redOutlines(*w), QList<QRect>{QRect(1, 0, 1, 1)});
        QCOMPARE(w->session().gridModified, int16_t(1));
        QVERIFY(w->button("a7")->isEnabled());
        clickCell(*w, 0, 1);
        QCOMPARE(gridRows(*w)[0], QString("???"));
        QCOMPARE(w->stb1()->text(2), QString(" sbiancata "));

        clickToolbar(*w, "a7");
        QCOMPARE(gridRows(*w)[0], QString("?#?"));
        clickToolbar(*w, "a7");
        QCOMPARE(gridRows(*w)[0], QString("?A?"));
        QVERIFY(!w->button("a7")->isEnabled());
        clickToolbar(*w, "a8");
        QCOMPARE(gridRows(*w)[0], QString("?#?"));
        QCOMPARE(w->stb1()->text(2), QString(" Ripristino n. 1 "));
    }

    void clearingCells() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w.createGrid(2, 3);
        w.setRows({"A#?", "???"});
        clickToolbar(*w, "a5");
        clickCell(*w, 0, 2);
        QCOMPARE(w->stb1()->text(3), QString::fromUtf8(" è già vuota! "));
        QCOMPARE(w->stb1()->text(2), QString(" "));
        QCOMPARE(w->session().history.historyPos, int16_t(0));
        QVERIFY(!w->button("a7")->isEnabled());
        clickCell(*w, 0, 0);
        QCOMPARE(w->stb1()->text(2), QString(" ripulita "));
        clickCell(*w, 0, 1);
        QCOMPARE(gridRows(*w)[0], QString("???"));
        QCOMPARE(w->session().history.historyPos, int16_t(6));
    }

    void writingCaneAcrossAndUndoingItKeyByKey() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w.createGrid(3, 5);
        clickToolbar(*w, "a3");
        clickCell(*w, 1, 0);
        QCOMPARE(redOutlines(*w), QList<QRect>{QRect(0, 1, 1, 1)});
        QCOMPARE(w->stb1()->text(4), QString(" R2 C1  "));
        typeOnGrid(*w, "cane");
        QCOMPARE(gridRows(*w)[1], QString("CANE?"));
        QCOMPARE(current(*w), QPoint(4, 1));
        QCOMPARE(w->stb1()->text(2), QString(" E "));
        // The cell just written, numbered from 1 as the click numbers it.
        QCOMPARE(w->stb1()->text(4), QString(" R2 C4 "));
        const QStringList before{"?????", "?????", "?????"};
        for (int n = 4; n >= 1; --n) {
            clickToolbar(*w, "a7");
            QCOMPARE(w->stb1()->text(2), QStringLiteral(" Annullo n. %1 ").arg(n));
            QCOMPARE(redOutlines(*w), QList<QRect>{QRect(n - 1, 1, 1, 1)});
        }
        QCOMPARE(gridRows(*w), before);
        QVERIFY(!w->button("a7")->isEnabled());
        for (int n = 1; n <= 4; ++n) clickToolbar(*w, "a8");
        QCOMPARE(gridRows(*w)[1], QString("CANE?"));
        QCOMPARE(w->stb1()->text(2), QString(" Ripristino n. 4 "));
        QVERIFY(!w->button("a8")->isEnabled());
    }

    void writingWrapsAndStepsOverEdges() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w.createGrid(2, 3);
        w.setRows({"???", "??#"});
        clickToolbar(*w, "a3");
        clickCell(*w, 1, 1);
        typeOnGrid(*w, "x");  // onto the black cell
        QCOMPARE(current(*w), QPoint(2, 1));
        typeOnGrid(*w, "y");  // a black cell takes nothing; the cursor stays
        QCOMPARE(gridRows(*w), QStringList({"???", "?X#"}));
        QTest::keyClick(w->peri(), Qt::Key_Right);  // past the last cell of the last row
        QCOMPARE(current(*w), QPoint(0, 0));
        typeOnGrid(*w, "ab c");
        QCOMPARE(gridRows(*w), QStringList({"AB?", "CX#"}));
        QCOMPARE(current(*w), QPoint(1, 1));

        typeOnGrid(*w, " ");  // the space bar empties the cell
        QCOMPARE(gridRows(*w)[1], QString("C?#"));
        QCOMPARE(current(*w), QPoint(2, 1));
        QTest::keyClick(w->peri(), Qt::Key_Tab, Qt::ShiftModifier);
        QTest::keyClick(w->peri(), Qt::Key_Backspace);
        QCOMPARE(current(*w), QPoint(0, 1));
        QTest::keyClick(w->peri(), Qt::Key_Tab);
        QTest::keyClick(w->peri(), Qt::Key_Up);
        QCOMPARE(current(*w), QPoint(1, 0));
        for (Qt::Key key : {Qt::Key_5, Qt::Key_Egrave, Qt::Key_Question, Qt::Key_At, Qt::Key_F2})
            QTest::keyClick(w->peri(), key);
        QCOMPARE(gridRows(*w), QStringList({"AB?", "C?#"}));
        QCOMPARE(current(*w), QPoint(1, 0));
    }

    void backspaceInModeFourMovesLeft() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w.createGrid(3, 3);
        clickToolbar(*w, "a4");
        clickCell(*w, 0, 1);
        typeOnGrid(*w, "ab");
        QCOMPARE(gridRows(*w), QStringList({"?A?", "?B?", "???"}));
        QCOMPARE(current(*w), QPoint(1, 2));
        QTest::keyClick(w->peri(), Qt::Key_Backspace);
        QCOMPARE(current(*w), QPoint(0, 2));
        typeOnGrid(*w, "c");  // past the bottom: on at the top of the next column
        QCOMPARE(gridRows(*w), QStringList({"?A?", "?B?", "C??"}));
        QCOMPARE(current(*w), QPoint(1, 0));
    }

    void ctrlAloneInModeSixAsksForVowelsOnly() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w.createGrid(3, 3);
        auto* keys = w->controller<GridKeyboard>();
        clickToolbar(*w, "a6");
        // Qt reports Ctrl pressed alone as Key_Control with the Ctrl flag set.
        QTest::keyClick(w->peri(), Qt::Key_Control);
        QCOMPARE(keys->vocali(), 1);
        QTest::keyClick(w->peri(), Qt::Key_Alt);
        QCOMPARE(keys->vocali(), 0);
        QTest::keyClick(w->peri(), Qt::Key_Control);
        QTest::keyClick(w->peri(), Qt::Key_A);
        QCOMPARE(keys->vocali(), 0);
        clickToolbar(*w, "a3");
        QTest::keyClick(w->peri(), Qt::Key_Control);
        QCOMPARE(keys->vocali(), 0);
    }

    void dragDrawsTheBlueRunAndLeavingTheGridEndsIt() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w.createGrid(3, 5);
        clickToolbar(*w, "a1");
        GridView* peri = w->peri();
        const QPoint start = cellPoint(*w, 1, 3);
        QTest::mouseMove(peri, start);
        QTest::mousePress(peri, Qt::LeftButton, {}, start);
        QTest::mouseMove(peri, cellPoint(*w, 2, 1));
        QCOMPARE(peri->dragRect(), std::optional<QRectF>(QRectF(1, 1, 3, 1)));
        QTest::mouseMove(peri, QPoint(peri->width() + 30, start.y()));
        QVERIFY(!peri->dragRect());
        QTest::mouseRelease(peri, Qt::LeftButton, {}, QPoint(peri->width() + 30, start.y()));
        QCOMPARE(current(*w), QPoint(3, 1));
    }

    void gridIgnoresClicksAndKeysWhileBusy() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w.createGrid(2, 2);
        clickToolbar(*w, "a3");
        clickCell(*w, 0, 0);
        w->session().busyLevel = 2;
        typeOnGrid(*w, "a");
        clickToolbar(*w, "a0");
        clickCell(*w, 1, 1);
        QCOMPARE(gridRows(*w), QStringList({"??", "??"}));
        QCOMPARE(current(*w), QPoint(0, 0));
        w->session().busyLevel = 0;
    }
};

QTEST_MAIN(GridEditingTest)
#include "grid_editing_test.moc"
