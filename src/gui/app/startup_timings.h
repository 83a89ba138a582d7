#pragma once

namespace quirvo {

// Delays of the start-up sequence. The program always uses the defaults;
// tests shorten them to run quickly.
struct StartupTimings {
    int splashMs = 4000;
    int loadDelayMs = 2000;
    int counterMs = 1000;
};

}  // namespace quirvo
