#include <QImage>
#include <QPainter>
#include <QTest>

#include "gui/render/grid_renderer.h"
#include "../core/support/ascii_grid.h"

using namespace quirvo;

namespace {

constexpr double CELL = 120;  // pixels: a 1 cm cell at 300 dpi

QImage render(const Grid& grid, const GridPaintOptions& options) {
    QImage image(int(grid.colCount * CELL + 20), int(grid.rowCount * CELL + 20), QImage::Format_RGB32);
    image.setDotsPerMeterX(11811);
    image.setDotsPerMeterY(11811);
    image.fill(Qt::gray);
    QPainter p(&image);
    GridRenderer(grid, options).paint(p, {QPointF(10, 10), QSizeF(CELL, CELL)});
    return image;
}

// Pixels other than white inside a part of a cell, the part given in cell
// fractions.
int inkPixels(const QImage& image, int row, int col, QRectF part) {
    int n = 0;
    for (double y = part.top(); y < part.bottom(); y += 0.01)
        for (double x = part.left(); x < part.right(); x += 0.01)
            if (image.pixelColor(int(10 + (col + x) * CELL), int(10 + (row + y) * CELL))!= QColor(Qt::white)) ++n;
    return n;
}

const QRectF LETTER_AREA(0.3, 0.35, 0.4, 0.4);
const QRectF NUMBER_AREA(0.05, 0.03, 0.25, 0.2);
const QRectF FRAME_AREA(0.03, 0.03, 0.04, 0.9);

}  // namespace

class GridRendererTest : public QObject {
    Q_OBJECT

private slots:
    // The same grid as a page shows it for the solver, for the solution and
    // on screen: letters, numbers, black cells and their frame as each asks.
    void pagesShowWhatTheyAreFor() {
        QImage probe(1, 1, QImage::Format_RGB32);
        probe.setDotsPerMeterY(11811);
        const Grid grid = quirvo::testing::asciiGrid({"CASA#", "A???O", "#ORSO"});
        const auto solver = GridPaintOptions::forPage(GridPaintOptions::Page::EmptyNumbered, CELL, probe);
        const auto solution = GridPaintOptions::forPage(GridPaintOptions::Page::Solution, CELL, probe);
        GridPaintOptions screen;
        screen.letterPoints = CELL * 0.5 * 72 / 300;
        struct Case {
            const char* name;
            GridPaintOptions options;
            bool letters, frame;
        };
        for (const Case& k : {Case{"solver", solver, false, false}, Case{"solution", solution, true, false},
                              Case{"screen", screen, true, true}}) {
            const QImage image = render(grid, k.options);
            QVERIFY2((inkPixels(image, 0, 1, LETTER_AREA) > 0) == k.letters, k.name);
            QVERIFY2(inkPixels(image, 1, 1, LETTER_AREA) == 0, k.name);
            QVERIFY2(inkPixels(image, 0, 0, NUMBER_AREA) > 0, k.name);
            QVERIFY2(inkPixels(image, 1, 2, NUMBER_AREA) == 0, k.name);
            QVERIFY2(inkPixels(image, 2, 1, NUMBER_AREA) > 0, k.name);
            const int blackArea = int(FRAME_AREA.width() * 100) * int(FRAME_AREA.height() * 100);
            QVERIFY2((inkPixels(image, 0, 4, FRAME_AREA) < blackArea) == k.frame, k.name);
            QCOMPARE(image.pixelColor(int(10 + 4.5 * CELL), int(10 + 0.5 * CELL)), QColor(Qt::black));
        }
    }

    // The right and bottom edges are drawn like the others.
    void theLastLinesAreDrawn() {
        const Grid grid = quirvo::testing::asciiGrid({"???", "???"});
        const QImage image = render(grid, GridPaintOptions{});
        for (double y : {0.0, 1.0, 2.0}) QVERIFY(image.pixelColor(int(10 + 1.5 * CELL), int(10 + y * CELL)).value() < 60);
        for (double x : {0.0, 3.0}) QVERIFY(image.pixelColor(int(10 + x * CELL), int(10 + 1.5 * CELL)).value() < 60);
    }
};

QTEST_MAIN(GridRendererTest)
#include "grid_renderer_test.moc"
