#pragma once

#include <QSize>
#include <optional>

namespace quirvo {

// How the program starts. The program always uses the defaults; tests
// shorten the delays and may pretend a screen size (in twips).
struct StartupOptions {
    int splashMs = 4000;
    int loadDelayMs = 2000;
    int counterMs = 1000;
    int recoveryDelayMs = 30000;  // the longest a change waits for its recovery copy
    std::optional<QSize> screenTwips;
};

}  // namespace quirvo
