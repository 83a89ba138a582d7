#include "gui/display/grid_view.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace quirvo {

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

void GridView::setMarkedSlot(std::optional<QRectF> cells) {
    marked_ = cells;
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

void GridView::setPreview(std::optional<Grid> grid) {
    preview_ = std::move(grid);
    update();
}

GridGeometry GridView::geometry() const { return {QPointF(1, 1), QSizeF(cellW_, cellH_)}; }

void GridView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const GridMetrics& m = session_.metrics;
    GridPaintOptions options;
    options.numbers = numbersShown_;
    options.letterPoints = m.dimLet;
    options.numberPoints = m.dimNum;
    options.letterOffset = {m.dlx, m.dly};
    options.numberOffset = {m.dnx, m.dny};
    if (preview_) {
        GridRenderer(*preview_, options).paint(p, geometry());
        return;
    }
    GridRenderer(session_.grid, options).paint(p, geometry());
    if (!session_.grid.exists()) return;
    paintDeadCells(p, marks_, geometry());
    paintCheckOverlay(p, marks_, geometry(), m.dimLet);
    for (const Overlay& o : overlays_) GridRenderer::paintOutline(p, geometry(), o.cells, o.color);
    if (drag_) GridRenderer::paintOutline(p, geometry(), *drag_, Qt::blue);
    if (marked_) GridRenderer::paintOutline(p, geometry(), *marked_, QColor(0, 150, 0), 3);
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
