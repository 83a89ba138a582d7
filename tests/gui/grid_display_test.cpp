#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QTest>

#include "core/grid/cell_codes.h"
#include "gui/display/grid_view.h"
#include "gui/display/zoom_commands.h"
#include "support/test_window.h"

using namespace quirvo;
using quirvo::test::TestWindow;

namespace {

QImage snapshot(GridView* peri) { return peri->grab().toImage(); }

QColor pixelInCell(GridView* peri, const QImage& image, double x, double y) {
    const qreal dpr = image.devicePixelRatio();
    return image.pixelColor(int((1 + x * peri->cellWidth()) * dpr), int((1 + y * peri->cellHeight()) * dpr));
}

int redPixelsInCell(GridView* peri, const QImage& image, int row, int col) {
    int n = 0;
    for (double y = row + 0.02; y < row + 0.45; y += 0.02)
        for (double x = col + 0.02; x < col + 0.45; x += 0.02) {
            const QColor c = pixelInCell(peri, image, x, y);
            if (c.red() > 200 && c.green() < 80 && c.blue() < 80) ++n;
        }
    return n;
}

// A dark pixel within one pixel of a grid line's point given in cells.
bool lineAt(GridView* peri, const QImage& image, double x, double y) {
    const QPoint at((1 + x * peri->cellWidth()) * image.devicePixelRatio(),
                    (1 + y * peri->cellHeight()) * image.devicePixelRatio());
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.valid(at + QPoint(dx, dy)) && image.pixelColor(at + QPoint(dx, dy)).value() < 60)
                return true;
    return false;
}

}  // namespace

class GridDisplayTest : public QObject {
    Q_OBJECT

private slots:
    void blackCellsAreDrawnAndAtSignBecomesBlackCode() {
        TestWindow w;
        w.createGrid(3, 3);
        w->session().grid.gridRows[1] = "?@?";
        w->rinfresca();
        QCOMPARE(w->session().grid.cell(1, 1), BLACK_CELL);
        const QImage image = snapshot(w->peri());
        QCOMPARE(pixelInCell(w->peri(), image, 1.5, 1.5), QColor(Qt::black));
        QCOMPARE(pixelInCell(w->peri(), image, 0.5, 0.7), QColor(Qt::white));
    }

    void numbersHiddenAndShownWithoutLosingTheOutline() {
        TestWindow w;
        w.createGrid(3, 3);
        w.setRows({"???", "?#?", "???"});
        w->session().outline = {0, 2, 3, 1};
        w->evidenzia();
        QVERIFY(redPixelsInCell(w->peri(), snapshot(w->peri()), 0, 0) > 0);
        QCOMPARE(redPixelsInCell(w->peri(), snapshot(w->peri()), 1, 0), 0);

        w->menuItem("Numerare")->trigger();
        QVERIFY(!w->menuItem("Numerare")->isChecked());
        QCOMPARE(redPixelsInCell(w->peri(), snapshot(w->peri()), 0, 0), 0);
        QCOMPARE(w->peri()->overlays().size(), 1);
        w->rinfresca();
        QCOMPARE(redPixelsInCell(w->peri(), snapshot(w->peri()), 0, 2), 0);

        w->menuItem("Numerare")->trigger();
        QVERIFY(redPixelsInCell(w->peri(), snapshot(w->peri()), 0, 2) > 0);
        QVERIFY(w->peri()->overlays().isEmpty());

        w->session().busyLevel = 2;
        w->menuItem("Numerare")->trigger();
        QVERIFY(w->menuItem("Numerare")->isChecked());
        w->session().busyLevel = 0;
    }

    void zoomStopsAtTheSixteenBitLimitAndOriginalRestores() {
        TestWindow w;
        w.createGrid(25, 35);
        const QPoint origin = w->peri()->pos();
        const int16_t initial = w->session().metrics.dimv;
        QSize last;
        for (int k = 0; k < 80; ++k) {
            w->menuItem("Ingrandisci")->trigger();
            QVERIFY(w->peri()->letterHeightInCells(w->session().metrics.dimLet) <= 1.0 ||
                    w->peri()->size() == last);
            last = w->peri()->size();
        }
        QVERIFY(w->twips().fromPixelsX(w->peri()->width()) < 32766 + 40);
        const QSize capped = w->peri()->size();
        w->menuItem("Ingrandisci")->trigger();
        QCOMPARE(w->peri()->size(), capped);

        w->textb()->setFocus();
        QTest::keyClick(w->textb(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(w->session().metrics.dimv, initial);
        QCOMPARE(w->peri()->pos(), origin);
        QVERIFY(w->peri()->letterHeightInCells(w->session().metrics.dimLet) <= 1.0);

        QTest::keyClick(w->textb(), Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(w->session().metrics.dimv, int16_t(qRound(initial * 0.9)));
        QTest::keyClick(w->textb(), Qt::Key_Equal, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w->session().metrics.dimv, int16_t(qRound(initial * 0.9)));
    }

    // "+" is unshifted on the Italian main keyboard and shifted on the US
    // one; the keypad has its own keys. Alt never zooms.
    void zoomKeysOfEveryLayout() {
        TestWindow w;
        w.createGrid(3, 3);
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier,
                                    keypad = Qt::KeypadModifier, alt = Qt::AltModifier;
        const struct {
            Qt::Key key;
            Qt::KeyboardModifiers mods;
            double factor;
        } keys[] = {
            {Qt::Key_Plus, ctrl, 1.1},          {Qt::Key_Plus, ctrl | shift, 1.1},
            {Qt::Key_Equal, ctrl, 1.1},         {Qt::Key_Plus, ctrl | keypad, 1.1},
            {Qt::Key_Minus, ctrl | keypad, 0.9}, {Qt::Key_Minus, ctrl, 0.9},
            {Qt::Key_Plus, ctrl | alt, 1.0},    {Qt::Key_Plus, Qt::NoModifier, 1.0},
            {Qt::Key_Minus, ctrl | shift, 1.0}, {Qt::Key_0, ctrl | shift, 1.0},
        };
        w->textb()->setFocus();
        for (const auto& k : keys) {
            const int16_t before = w->session().metrics.dimv;
            QTest::keyClick(w->textb(), k.key, k.mods);
            QCOMPARE(w->session().metrics.dimv, int16_t(qRound(before * k.factor)));
        }
        QTest::keyClick(w->peri(), Qt::Key_0, ctrl | keypad);
        const int16_t start = w->session().metrics.dimv;
        QTest::keyClick(w->peri(), Qt::Key_Plus, ctrl);
        QTest::keyClick(w->peri(), Qt::Key_0, ctrl | keypad);
        QCOMPARE(w->session().metrics.dimv, start);
    }

    void reducingForeverStillEnds() {
        TestWindow w;
        w.createGrid(2, 2);
        for (int k = 0; k < 120; ++k) w->menuItem("Riduci")->trigger();
        QVERIFY(w->session().metrics.dimv >= ZoomCommands::MIN_CELL_TWIPS);
        QVERIFY(w->session().metrics.dimv < ZoomCommands::MIN_CELL_TWIPS / 0.9 + 1);
        QVERIFY(w->peri()->letterHeightInCells(w->session().metrics.dimLet) <= 1.0 ||
                w->session().metrics.dimLet <= MainWindow::MIN_LETTER_POINTS);
    }

    void everyCellShowsItsFourEdgesAtEveryZoom() {
        TestWindow w;
        w.createGrid(3, 4);
        for (const char* zoom : {"", "Ingrandisci", "Riduci", "Riduci", "Riduci"}) {
            if (*zoom) w->menuItem(zoom)->trigger();
            const QImage image = snapshot(w->peri());
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < 4; ++c) {
                    QVERIFY2(lineAt(w->peri(), image, c + 0.5, r), zoom);
                    QVERIFY2(lineAt(w->peri(), image, c + 0.5, r + 1), zoom);
                    QVERIFY2(lineAt(w->peri(), image, c, r + 0.5), zoom);
                    QVERIFY2(lineAt(w->peri(), image, c + 1, r + 0.5), zoom);
                }
        }
    }

    void shortRowsShowBlankCells() {
        TestWindow w;
        w.createGrid(2, 4);
        w->session().grid.gridRows[0] = "AB";
        w->rinfresca();
        const QImage image = snapshot(w->peri());
        QCOMPARE(pixelInCell(w->peri(), image, 3.5, 0.9), QColor(Qt::white));
    }
};

QTEST_MAIN(GridDisplayTest)
#include "grid_display_test.moc"
