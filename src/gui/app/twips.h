#pragma once

#include <QSize>
#include <optional>

class QWidget;

namespace quirvo {

// Layout positions are computed in twips (1/1440 inch) from the screen size,
// then placed in device-independent pixels at the screen's logical DPI.
class Twips {
public:
    // Uses the primary screen unless a size in twips is imposed.
    explicit Twips(std::optional<QSize> imposedScreen = std::nullopt);

    int screenWidth() const { return screen_.width(); }
    int screenHeight() const { return screen_.height(); }
    int toPixelsX(double twips) const;
    int toPixelsY(double twips) const;
    double pixelsPerTwipX() const { return dpiX_ / 1440.0; }
    double pixelsPerTwipY() const { return dpiY_ / 1440.0; }
    double fromPixelsX(double pixels) const;
    double fromPixelsY(double pixels) const;

private:
    QSize screen_;
    double dpiX_ = 96;
    double dpiY_ = 96;
};

}  // namespace quirvo
