#include "gui/display/check_marks.h"

#include <QPainter>

#include "gui/render/grid_renderer.h"

namespace quirvo {

namespace {

const QColor DEAD_TINT(255, 170, 170);
const QColor EMPTY_SLOT_PEN(220, 0, 0);
const QColor FORCED_LETTER(140, 140, 140);
constexpr double FORCED_SCALE = 0.55;  // of the letter size
constexpr double SLOT_INSET = 0.14;    // inside the red outline of the slot under work

}  // namespace

// Multiplied over the painted cell, the tint leaves lines and letters as
// dark as they were.
void paintDeadCells(QPainter& p, const CheckMarks& marks, const GridGeometry& at) {
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Multiply);
    for (const auto& [row, col] : marks.deadCells) p.fillRect(at.toPainter(QRectF(col, row, 1, 1)), DEAD_TINT);
    p.restore();
}

void paintCheckOverlay(QPainter& p, const CheckMarks& marks, const GridGeometry& at, double letterPoints) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(EMPTY_SLOT_PEN, 2, Qt::DashLine));
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
