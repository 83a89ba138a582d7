#include "gui/render/grid_renderer.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

#include "core/grid/cell_codes.h"
#include "core/grid/numbering.h"

namespace quirvo {

QFont gridFont(double points) {
    QFont font;
    font.setFamilies({"Courier New", "Liberation Mono", "DejaVu Sans Mono", "monospace"});
    font.setStyleHint(QFont::TypeWriter);
    font.setBold(true);
    font.setPointSizeF(std::max(points, 0.5));
    return font;
}

GridPaintOptions GridPaintOptions::forPage(Page page, double cellHeight, const QPaintDevice& device) {
    const double pointsPerUnit = 72.0 / device.logicalDpiY();
    GridPaintOptions o;
    o.letters = page == Page::Solution;
    o.blackCellFrame = false;
    o.centredLetters = true;
    o.numberColor = Qt::black;
    o.letterPoints = cellHeight * 0.55 * pointsPerUnit;
    o.numberPoints = cellHeight * 0.3 * pointsPerUnit;
    o.numberOffset = {0.06, 0.03};
    if (page == Page::Solution) {
        // The number must stay readable (7.7 pt in a 1 cm cell) beside a
        // letter, which moves down below it and gives up a little size.
        o.numberPoints = cellHeight * 0.27 * pointsPerUnit;
        o.letterPoints = cellHeight * 0.5 * pointsPerUnit;
        o.letterBox = QRectF(0, 0.3, 1, 0.7);
    }
    o.lineWidth = std::max(1.0, cellHeight / 30);
    return o;
}

QRectF GridGeometry::toPainter(const QRectF& cells) const {
    return QRectF(origin.x() + cells.x() * cell.width(), origin.y() + cells.y() * cell.height(),
                  cells.width() * cell.width(), cells.height() * cell.height());
}

QPointF GridGeometry::toPainter(QPointF cells) const {
    return toPainter(QRectF(cells, QSizeF(0, 0))).topLeft();
}

GridRenderer::GridRenderer(const Grid& grid, const GridPaintOptions& options)
    : grid_(grid), options_(options) {}

void GridRenderer::paint(QPainter& p, const GridGeometry& at) const {
    if (!grid_.exists()) return;
    p.save();
    p.fillRect(at.toPainter(QRectF(0, 0, grid_.colCount, grid_.rowCount)), Qt::white);
    paintLines(p, at);
    paintCells(p, at);
    if (options_.numbers) paintNumbers(p, at);
    p.restore();
}

// Every cell shows its four edges: the lines run from 0 to colCount and
// rowCount inclusive.
void GridRenderer::paintLines(QPainter& p, const GridGeometry& at) const {
    p.setPen(QPen(Qt::black, options_.lineWidth));
    for (int i = 0; i <= grid_.rowCount; ++i)
        p.drawLine(at.toPainter(QPointF(0, i)), at.toPainter(QPointF(grid_.colCount, i)));
    for (int j = 0; j <= grid_.colCount; ++j)
        p.drawLine(at.toPainter(QPointF(j, 0)), at.toPainter(QPointF(j, grid_.rowCount)));
}

void GridRenderer::paintCells(QPainter& p, const GridGeometry& at) const {
    p.setFont(gridFont(options_.letterPoints));
    const QFontMetricsF fm(p.font(), p.device());
    for (int r = 0; r < grid_.rowCount; ++r) {
        for (int c = 0; c < grid_.colCount; ++c) {
            const char k = grid_.cell(r, c);
            if (k == BLACK_CELL || k == ALT_BLACK_CELL) {
                p.fillRect(at.toPainter(QRectF(c, r, 1, 1)), Qt::black);
                if (!options_.blackCellFrame) continue;
                p.setPen(QPen(Qt::white, options_.lineWidth));
                p.drawRect(at.toPainter(QRectF(c + 0.05, r + 0.05, 0.9, 0.9)));
            } else if (options_.letters && k != EMPTY_CELL && k != '\0' && k != ' ') {
                p.setPen(Qt::black);
                const QString letter(QChar::fromLatin1(k));
                if (options_.centredLetters) {
                    p.drawText(at.toPainter(options_.letterBox.translated(c, r)), Qt::AlignCenter, letter);
                    continue;
                }
                const QPointF pos = at.toPainter(QPointF(c, r) + options_.letterOffset);
                p.drawText(pos + QPointF(0, fm.ascent()), letter);
            }
        }
    }
}

void GridRenderer::paintNumbers(QPainter& p, const GridGeometry& at) const {
    p.setFont(gridFont(options_.numberPoints));
    p.setPen(options_.numberColor);
    const QFontMetricsF fm(p.font(), p.device());
    const std::vector<int> numbers = numberCells(grid_);
    for (int r = 0; r < grid_.rowCount; ++r) {
        for (int c = 0; c < grid_.colCount; ++c) {
            const int n = numbers[static_cast<size_t>(r) * grid_.colCount + c];
            if (n == 0) continue;
            const QPointF pos = at.toPainter(QPointF(c, r) + options_.numberOffset);
            p.drawText(pos + QPointF(0, fm.ascent()), QString::number(n));
        }
    }
}

void GridRenderer::paintOutline(QPainter& p, const GridGeometry& at, const QRectF& cells,
                                const QColor& color, double width) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(color, width));
    p.drawRect(at.toPainter(cells.adjusted(0.05, 0.05, -0.05, -0.05)));
    p.restore();
}

}  // namespace quirvo
