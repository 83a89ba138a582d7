#pragma once

#include <QLabel>

namespace quirvo {

// texta: the pattern under search. A long pattern is written in a smaller
// font, down to a floor, so that all of it fits the width the layout gives
// the label; the whole pattern is also its tool tip.
class PatternLabel : public QLabel {
    Q_OBJECT

public:
    static constexpr double MIN_POINTS = 6.0;

    explicit PatternLabel(QWidget* parent = nullptr);
    void setPattern(const QString& pattern);
    // The width the pattern needs at the normal font size.
    int naturalWidth(const QString& pattern) const;
    // Whether the whole pattern is shown.
    bool showsAll() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitFont();

    double basePoints_;
};

}  // namespace quirvo
