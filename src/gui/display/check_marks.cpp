#include "gui/display/check_marks.h"

#include <QPainter>
#include <algorithm>

#include "gui/render/grid_renderer.h"

namespace quirvo {

namespace {

// Violet and hatched: red already frames the slot under work and the cells
// an undo changed, and a check mark must never be taken for either.
const QColor CHECK_MARK(110, 40, 190);
const QColor DEAD_TINT(228, 214, 250);
const QColor FORCED_LETTER(140, 140, 140);
constexpr double FORCED_SCALE = 0.55;  // of the letter size
constexpr double SLOT_INSET = 0.14;    // inside the red outline of the slot under work
constexpr int HATCH_LINES = 4;         // diagonals across a dead cell

}  // namespace

// Multiplied over the painted cell, the tint and the hatching leave lines
// and letters as dark as they were.
void paintDeadCells(QPainter& p, const CheckMarks& marks, const GridGeometry& at) {
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Multiply);
    p.setPen(QPen(CHECK_MARK, std::max(1.0, at.cell.width() / 16)));
    for (const auto& [row, col] : marks.deadCells) {
        const QRectF cell = at.toPainter(QRectF(col, row, 1, 1));
        p.fillRect(cell, DEAD_TINT);
        p.save();
        p.setClipRect(cell);
        const double step = cell.width() * 2 / HATCH_LINES;
        for (int i = 1; i < HATCH_LINES; ++i)
            p.drawLine(QPointF(cell.left() + i * step, cell.top()), QPointF(cell.left() + i * step - cell.height(), cell.bottom()));
        p.restore();
    }
    p.restore();
}

void paintCheckOverlay(QPainter& p, const CheckMarks& marks, const GridGeometry& at, double letterPoints) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(CHECK_MARK, 2, Qt::DashLine));
    for (const Slot& slot : marks.emptySlots) {
        const bool across = slot.direction == Direction::Across;
        const double w = across ? slot.length : 1, h = across ? 1 : slot.length;
        p.drawRect(at.toPainter(QRectF(slot.col + SLOT_INSET, slot.row + SLOT_INSET, w - 2 * SLOT_INSET, h - 2 * SLOT_INSET)));
    }
    QFont font = gridFont(letterPoints * FORCED_SCALE);
    font.setBold(false);
    p.setFont(font);
    p.setPen(FORCED_LETTER);
    for (const CheckMarks::Forced& f : marks.forced)
        p.drawText(at.toPainter(QRectF(f.col, f.row, 1, 1)), Qt::AlignCenter, QString(QChar::fromLatin1(f.letter)));
}

}  // namespace quirvo
