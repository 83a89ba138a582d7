#include "gui/display/grid_view.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

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

GridView::GridView(const Session& session, QWidget* parent) : QWidget(parent), session_(session) {
    setObjectName("Peri");
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GridView::setCellSize(double cellWidthPx, double cellHeightPx) {
    cellW_ = cellWidthPx;
    cellH_ = cellHeightPx;
    update();
}

void GridView::setNumbersShown(bool shown) {
    numbersShown_ = shown;
    update();
}

double GridView::letterHeightInCells(double points) const {
    return QFontMetricsF(gridFont(points), this).height() / cellH_;
}

void GridView::addOutline(const QRectF& cells, const QColor& color) {
    overlays_.push_back({cells, color});
    update();
}

void GridView::setDragRect(std::optional<QRectF> cells) {
    drag_ = cells;
    update();
}

void GridView::clearOverlays() {
    overlays_.clear();
    drag_.reset();
    update();
}

QPointF GridView::toCells(QPointF pixels) const {
    return {(pixels.x() - 1) / cellW_, (pixels.y() - 1) / cellH_};
}

void GridView::setCheckMarks(CheckMarks marks) {
    marks_ = std::move(marks);
    update();
}

QRectF GridView::cellRect(double x, double y, double w, double h) const {
    return QRectF(1 + x * cellW_, 1 + y * cellH_, w * cellW_, h * cellH_);
}

void GridView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const Grid& g = session_.grid;
    if (!g.exists()) return;
    const CellRectFn toPixels = [this](double x, double y, double w, double h) { return cellRect(x, y, w, h); };
    paintDeadCells(p, marks_, toPixels);
    p.setPen(QPen(Qt::black, 1));
    for (int i = 0; i <= g.rowCount; ++i)
        p.drawLine(cellRect(0, i, 0, 0).topLeft(), cellRect(g.colCount, i, 0, 0).topLeft());
    for (int j = 0; j <= g.colCount; ++j)
        p.drawLine(cellRect(j, 0, 0, 0).topLeft(), cellRect(j, g.rowCount, 0, 0).topLeft());
    paintCells(p);
    paintNumbers(p);
    paintCheckOverlay(p, marks_, toPixels, session_.metrics.dimLet);
    paintOverlays(p);
}

void GridView::paintCells(QPainter& p) const {
    const Grid& g = session_.grid;
    const GridMetrics& m = session_.metrics;
    p.setFont(gridFont(m.dimLet));
    const QFontMetricsF fm(p.font());
    for (int r = 0; r < g.rowCount; ++r) {
        for (int c = 0; c < g.colCount; ++c) {
            const char k = g.cell(r, c);
            if (k == BLACK_CELL || k == ALT_BLACK_CELL) {
                p.fillRect(cellRect(c, r, 1, 1), Qt::black);
                p.setPen(QPen(Qt::white, 1));
                p.drawRect(cellRect(c + 0.05, r + 0.05, 0.9, 0.9));
            } else if (k != EMPTY_CELL && k != '\0' && k != ' ') {
                p.setPen(Qt::black);
                const QPointF at = cellRect(c + m.dlx, r + m.dly, 0, 0).topLeft();
                p.drawText(at + QPointF(0, fm.ascent()), QString(QChar::fromLatin1(k)));
            }
        }
    }
}

void GridView::paintNumbers(QPainter& p) const {
    if (!numbersShown_) return;
    const Grid& g = session_.grid;
    const GridMetrics& m = session_.metrics;
    p.setFont(gridFont(m.dimNum));
    p.setPen(QColor(255, 0, 0));
    const QFontMetricsF fm(p.font());
    const std::vector<int> numbers = numberCells(g);
    for (int r = 0; r < g.rowCount; ++r) {
        for (int c = 0; c < g.colCount; ++c) {
            const int n = numbers[static_cast<size_t>(r) * g.colCount + c];
            if (n == 0) continue;
            const QPointF at = cellRect(c + m.dnx, r + m.dny, 0, 0).topLeft();
            p.drawText(at + QPointF(0, fm.ascent()), QString::number(n));
        }
    }
}

void GridView::paintOverlays(QPainter& p) const {
    p.setBrush(Qt::NoBrush);
    for (const Overlay& o : overlays_) {
        p.setPen(QPen(o.color, 2));
        p.drawRect(cellRect(o.cells.x() + 0.05, o.cells.y() + 0.05, o.cells.width() - 0.1,
                            o.cells.height() - 0.1));
    }
    if (drag_) {
        p.setPen(QPen(Qt::blue, 2));
        p.drawRect(cellRect(drag_->x() + 0.05, drag_->y() + 0.05, drag_->width() - 0.1,
                            drag_->height() - 0.1));
    }
}

void GridView::mousePressEvent(QMouseEvent* event) {
    pressedInside_ = true;
    const QPointF at = toCells(event->position());
    emit mousePressed(event->button(), event->modifiers(), at.x(), at.y());
}

void GridView::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = toCells(event->position());
    emit mouseMoved(event->buttons(), event->modifiers(), at.x(), at.y());
}

void GridView::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = toCells(event->position());
    emit mouseReleased(event->button(), event->modifiers(), at.x(), at.y());
    if (pressedInside_ && rect().contains(event->position().toPoint())) emit clicked();
    pressedInside_ = false;
}

void GridView::keyPressEvent(QKeyEvent* event) {
    emit keyPressed(event->key(), event->modifiers(), event->text());
}

// Tab and Shift+Tab move the writing cursor instead of the focus.
bool GridView::focusNextPrevChild(bool) { return false; }

}  // namespace quirvo
