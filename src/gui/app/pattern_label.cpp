#include "gui/app/pattern_label.h"

#include <QFontMetrics>
#include <algorithm>

namespace quirvo {

PatternLabel::PatternLabel(QWidget* parent) : QLabel(parent), basePoints_(font().pointSizeF()) {
    setObjectName("texta");
}

void PatternLabel::setPattern(const QString& pattern) {
    setText(pattern);
    setToolTip(pattern);
    fitFont();
}

int PatternLabel::naturalWidth(const QString& pattern) const {
    QFont normal = font();
    normal.setPointSizeF(basePoints_);
    return QFontMetrics(normal).horizontalAdvance(pattern) + 2 * margin() + 2 * frameWidth();
}

bool PatternLabel::showsAll() const { return fontMetrics().horizontalAdvance(text()) <= contentsRect().width(); }

void PatternLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    fitFont();
}

void PatternLabel::fitFont() {
    QFont fitted = font();
    double points = basePoints_;
    fitted.setPointSizeF(points);
    while (points > MIN_POINTS && QFontMetrics(fitted).horizontalAdvance(text()) > contentsRect().width()) {
        points = std::max(MIN_POINTS, points * 0.95);
        fitted.setPointSizeF(points);
    }
    if (fitted != font()) setFont(fitted);
}

}  // namespace quirvo
