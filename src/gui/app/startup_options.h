#pragma once

#include <QSize>
#include <QString>
#include <optional>

namespace quirvo {

// How the program starts. The program always uses the defaults; tests
// shorten the delays, may pretend a screen size (in twips) and keep the
// setter's data in a folder of their own.
struct StartupOptions {
    int splashMs = 4000;
    int loadDelayMs = 2000;
    int counterMs = 1000;
    int recoveryDelayMs = 30000;  // the longest a change waits for its recovery copy
    std::optional<QSize> screenTwips;
    QString dataFolder;  // empty: the system's folder for the program's data
};

}  // namespace quirvo
