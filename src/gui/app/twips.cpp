#include "gui/app/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace quirvo {

Twips::Twips(std::optional<QSize> imposedScreen) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        dpiX_ = screen->logicalDotsPerInchX();
        dpiY_ = screen->logicalDotsPerInchY();
        const QSize px = screen->geometry().size();
        screen_ = QSize(static_cast<int>(std::lround(px.width() * 1440.0 / dpiX_)),
                        static_cast<int>(std::lround(px.height() * 1440.0 / dpiY_)));
    }
    if (imposedScreen) screen_ = *imposedScreen;
}

int Twips::toPixelsX(double twips) const { return static_cast<int>(std::lround(twips * dpiX_ / 1440.0)); }
int Twips::toPixelsY(double twips) const { return static_cast<int>(std::lround(twips * dpiY_ / 1440.0)); }
double Twips::fromPixelsX(double pixels) const { return pixels * 1440.0 / dpiX_; }
double Twips::fromPixelsY(double pixels) const { return pixels * 1440.0 / dpiY_; }

}  // namespace quirvo
