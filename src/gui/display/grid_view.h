#pragma once

#include <QColor>
#include <QRectF>
#include <QVector>
#include <QWidget>
#include <optional>

#include "core/session.h"
#include "gui/display/check_marks.h"
#include "gui/render/grid_renderer.h"

namespace quirvo {

// Peri: the grid picture. It draws the grid held in the Session through the
// GridRenderer, one pixel in from its top-left corner, plus the outlines laid
// over it since the last full repaint, and reports mouse and keys in cell
// units.
class GridView : public QWidget {
    Q_OBJECT

public:
    explicit GridView(const Session& session, QWidget* parent = nullptr);

    // Size of one cell and of the fonts, in pixels and points.
    void setCellSize(double cellWidthPx, double cellHeightPx);
    double cellWidth() const { return cellW_; }
    double cellHeight() const { return cellH_; }
    void setNumbersShown(bool shown);
    bool numbersShown() const { return numbersShown_; }

    // Height of "A" at the given letter size, in cell units.
    double letterHeightInCells(double points) const;

    // Outlines stay until clearOverlays(), which a full repaint calls.
    void addOutline(const QRectF& cells, const QColor& color);
    void setDragRect(std::optional<QRectF> cells);
    void clearOverlays();
    struct Overlay {
        QRectF cells;
        QColor color;
    };
    const QVector<Overlay>& overlays() const { return overlays_; }
    std::optional<QRectF> dragRect() const { return drag_; }
    // The slot picked in the definitions panel: full repaints keep it.
    void setMarkedSlot(std::optional<QRectF> cells);
    std::optional<QRectF> markedSlot() const { return marked_; }

    QPointF toCells(QPointF pixels) const;

    // The grid check's marks stay until replaced; a repaint keeps them.
    void setCheckMarks(CheckMarks marks);
    const CheckMarks& checkMarks() const { return marks_; }

    // A grid shown in place of the document's (a proposal looked at before
    // it is kept), bare of marks and outlines; none shows the document again.
    void setPreview(std::optional<Grid> grid);
    const std::optional<Grid>& preview() const { return preview_; }

signals:
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers mods, double x, double y);
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, double x, double y);
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers mods, double x, double y);
    void clicked();
    void keyPressed(int key, Qt::KeyboardModifiers mods, const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    GridGeometry geometry() const;

    const Session& session_;
    double cellW_ = 24;
    double cellH_ = 24;
    bool numbersShown_ = true;
    bool pressedInside_ = false;
    QVector<Overlay> overlays_;
    std::optional<QRectF> drag_;
    std::optional<QRectF> marked_;
    CheckMarks marks_;
    std::optional<Grid> preview_;
};

}  // namespace quirvo
