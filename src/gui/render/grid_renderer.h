#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include "core/grid/grid.h"

class QPainter;
class QPaintDevice;

namespace quirvo {

// The typeface of the grid's letters and numbers at a size in points.
QFont gridFont(double points);

// What a picture of the grid shows and how its type is set. Sizes in points
// are points of the device painted on, so a printer or an image scales them
// with its cells (see forPage).
struct GridPaintOptions {
    bool letters = true;
    bool numbers = true;
    bool blackCellFrame = true;  // the white inner frame of a black cell on screen
    bool centredLetters = false; // in letterBox, otherwise placed at letterOffset
    QRectF letterBox{0, 0, 1, 1};  // in cells, from a cell's top-left corner
    QColor numberColor = QColor(255, 0, 0);
    double letterPoints = 15;
    double numberPoints = 7;
    QPointF letterOffset{0.25, 0.25};  // in cells, from a cell's top-left corner
    QPointF numberOffset{0.05, 0.02};
    double lineWidth = 1;  // in painter units

    // The page versions of the grid: the empty numbered grid for the solver,
    // or the solution with its letters and small numbers.
    enum class Page { EmptyNumbered, Solution };
    static GridPaintOptions forPage(Page page, double cellHeight, const QPaintDevice& device);
};

// Where the grid lands on a painter: the top-left corner of cell (0, 0) and
// the size of one cell, in painter units.
struct GridGeometry {
    QPointF origin;
    QSizeF cell;

    // A rectangle given in cells (x is the column), in painter units.
    QRectF toPainter(const QRectF& cells) const;
    QPointF toPainter(QPointF cells) const;
};

// Paints a grid (cells, black cells, letters, numbers, outlines) onto any
// QPainter at any size: the grid picture on screen, a printed page, an SVG
// or an image.
class GridRenderer {
public:
    GridRenderer(const Grid& grid, const GridPaintOptions& options);

    // Lines, black cells, letters and numbers of the whole grid.
    void paint(QPainter& p, const GridGeometry& at) const;
    // A coloured frame drawn just inside the given cells.
    static void paintOutline(QPainter& p, const GridGeometry& at, const QRectF& cells,
                             const QColor& color, double width = 2);

private:
    void paintLines(QPainter& p, const GridGeometry& at) const;
    void paintCells(QPainter& p, const GridGeometry& at) const;
    void paintNumbers(QPainter& p, const GridGeometry& at) const;

    const Grid& grid_;
    GridPaintOptions options_;
};

}  // namespace quirvo
