#pragma once

#include <QLabel>
#include <functional>

namespace quirvo {

// Form00: the splash picture, centred on the screen; after its delay it
// hands over to the main window and closes itself.
class SplashWindow : public QLabel {
    Q_OBJECT
public:
    SplashWindow(int delayMs, std::function<void()> showMain);
};

}  // namespace quirvo
