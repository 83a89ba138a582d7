#include "gui/app/splash_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "gui/app/pictures.h"

namespace quirvo {

SplashWindow::SplashWindow(int delayMs, std::function<void()> showMain)
    : QLabel(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("Form00");
    setAttribute(Qt::WA_DeleteOnClose);
    setPixmap(splashPicture(devicePixelRatioF()));
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }
    auto* timer1 = new QTimer(this);
    timer1->setObjectName("Timer1");
    timer1->setSingleShot(true);
    connect(timer1, &QTimer::timeout, this, [this, showMain] {
        showMain();
        close();
    });
    timer1->start(delayMs);
}

}  // namespace quirvo
