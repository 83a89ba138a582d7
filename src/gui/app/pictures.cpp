#include "gui/app/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QLinearGradient>

namespace quirvo {

namespace {

const QColor INK(30, 30, 30);
const QColor ACCENT(200, 30, 30);
const QColor PAPER(255, 255, 255);

QPixmap canvas(int size, qreal dpr) {
    QPixmap pixmap(QSize(size, size) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A small 3 x 3 grid with its cells as given ("#" black, "?" empty, letters).
void drawMiniGrid(QPainter& p, const QRectF& area, const char* cells) {
    const qreal s = area.width() / 3;
    for (int k = 0; k < 9; ++k) {
        const QRectF cell(area.left() + (k % 3) * s, area.top() + (k / 3) * s, s, s);
        p.fillRect(cell, cells[k] == '#' ? INK : PAPER);
        p.setPen(QPen(INK, 1));
        p.drawRect(cell);
        if (cells[k] != '#' && cells[k] != '?') {
            QFont f("Liberation Mono");
            f.setBold(true);
            f.setPixelSize(qMax(4, int(s * 0.8)));
            p.setFont(f);
            p.drawText(cell, Qt::AlignCenter, QString(QChar(cells[k])));
        }
    }
}

void drawArrow(QPainter& p, QPointF from, QPointF to, const QColor& color, qreal width) {
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::max(1.0, std::hypot((to - from).x(), (to - from).y()));
    const QPointF n(-d.y(), d.x());
    const qreal head = width * 2.2;
    QPainterPath path;
    path.moveTo(to + d * head * 0.6);
    path.lineTo(to - d * head + n * head);
    path.lineTo(to - d * head - n * head);
    path.closeSubpath();
    p.fillPath(path, color);
}

void drawLabel(QPainter& p, const QRectF& r, const QString& text, const QColor& color, qreal scale) {
    QFont f("Liberation Sans");
    f.setBold(true);
    f.setPixelSize(qMax(5, int(r.height() * scale)));
    p.setFont(f);
    p.setPen(color);
    p.drawText(r, Qt::AlignCenter, text);
}

void drawUndo(QPainter& p, const QRectF& r, bool redo) {
    QPainterPath arc;
    const qreal w = r.width();
    p.setPen(QPen(ACCENT, w * 0.1, Qt::SolidLine, Qt::RoundCap));
    const QRectF circle = r.adjusted(w * 0.2, w * 0.25, -w * 0.2, -w * 0.15);
    p.drawArc(circle, redo ? 180 * 16 : 0, redo ? -200 * 16 : 200 * 16);
    const QPointF tip = redo ? QPointF(circle.right(), circle.center().y())
                             : QPointF(circle.left(), circle.center().y());
    drawArrow(p, tip + QPointF(0, -w * 0.12), tip + QPointF(0, w * 0.05), ACCENT, w * 0.1);
}

void paintPicture(QPainter& p, int image, qreal size) {
    const QRectF r(size * 0.08, size * 0.08, size * 0.84, size * 0.84);
    switch (image) {
    case 1: drawLabel(p, r, "AB\nBA", QColor(20, 90, 170), 0.36); break;
    case 2: drawLabel(p, r, "=\u2260", QColor(20, 120, 60), 0.55); break;
    case 3: drawLabel(p, r, "ABC\u2713", QColor(140, 60, 150), 0.32); break;
    case 4: drawLabel(p, r, "\u2013", QColor(150, 150, 150), 0.6); break;
    case 5: drawMiniGrid(p, r, "?#??#??#?"); break;
    case 6: drawMiniGrid(p, r, "???CAS???");
            drawArrow(p, {r.left(), r.bottom() - 2}, {r.right() - 3, r.bottom() - 2}, ACCENT, size * 0.07); break;
    case 7: drawMiniGrid(p, r, "?C??A??S?");
            drawArrow(p, {r.right() - 2, r.top()}, {r.right() - 2, r.bottom() - 3}, ACCENT, size * 0.07); break;
    case 8: drawMiniGrid(p, r, "?????????");
            drawLabel(p, r, "\u2715", ACCENT, 0.5); break;
    case 9: drawMiniGrid(p, r, "#?#C??#?#");
            p.setPen(QPen(ACCENT, size * 0.06)); p.drawRect(QRectF(r.left(), r.top() + r.height() / 3, r.width(), r.height() / 3)); break;
    case 10: drawMiniGrid(p, r, "#C#???#?#");
             p.setPen(QPen(ACCENT, size * 0.06)); p.drawRect(QRectF(r.left() + r.width() / 3, r.top(), r.width() / 3, r.height())); break;
    case 11: drawMiniGrid(p, r, "#A#B?C#D#");
             p.setPen(QPen(ACCENT, size * 0.06)); p.drawRect(QRectF(r.left() + r.width() / 3, r.top() + r.height() / 3, r.width() / 3, r.height() / 3)); break;
    case 12: drawUndo(p, r, false); break;
    case 13: drawUndo(p, r, true); break;
    default: break;
    }
}

// Which toolbar picture stands for each grid mode.
const int MODE_IMAGE[7] = {5, 9, 10, 6, 7, 8, 11};

}  // namespace

QPixmap toolbarPicture(int image, int size, qreal dpr) {
    QPixmap pixmap = canvas(size, dpr);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    paintPicture(p, image, size);
    return pixmap;
}

QPixmap modePicture(int mode, int size, qreal dpr) {
    if (mode >= 0 && mode <= 6) return toolbarPicture(MODE_IMAGE[mode], size, dpr);
    QPixmap pixmap = canvas(size, dpr);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(1, size * 0.25, size - 2, size * 0.5), QColor(255, 245, 200));
    p.setPen(QPen(INK, 1));
    p.drawRect(QRectF(1, size * 0.25, size - 2, size * 0.5));
    drawLabel(p, QRectF(0, size * 0.25, size, size * 0.5), "TEST", INK, 0.7);
    return pixmap;
}

QPixmap testFieldPicture(int size, qreal dpr) { return modePicture(-1, size, dpr); }

QPixmap splashPicture(qreal dpr) {
    const QSize size(520, 300);
    QPixmap pixmap(size * dpr);
    pixmap.setDevicePixelRatio(dpr);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(250, 248, 240));
    sky.setColorAt(1, QColor(225, 232, 245));
    p.fillRect(QRect(QPoint(0, 0), size), sky);
    const char* rows[5] = {"QUIR#", "U#?#V", "I?#?O", "R#?##", "VOCE#"};
    const qreal cell = 44;
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 5; ++c) {
            const QRectF box(30 + c * cell, 40 + r * cell, cell, cell);
            const char ch = rows[r][c];
            p.fillRect(box, ch == '#' ? INK : PAPER);
            p.setPen(QPen(INK, 1.5));
            p.drawRect(box);
            if (ch != '#' && ch != '?') drawLabel(p, box, QString(QChar(ch)), INK, 0.6);
        }
    }
    drawLabel(p, QRectF(270, 70, 240, 80), "QUIRVO", ACCENT, 0.6);
    drawLabel(p, QRectF(270, 150, 240, 40), "il cruciverba italiano", INK, 0.45);
    drawLabel(p, QRectF(270, 200, 240, 30), "caricamento in corso...", QColor(90, 90, 90), 0.45);
    return pixmap;
}

}  // namespace quirvo
