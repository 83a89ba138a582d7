#pragma once

#include <chrono>
#include <functional>

namespace quirvo {

// Long scans call tick() per line; every SLICE the owner gets control back
// (the window processes its pending events there) and answers whether the
// user asked to stop. The engine itself never sees the event loop.
class Progress {
public:
    using Poll = std::function<bool()>;
    static constexpr std::chrono::milliseconds SLICE{15};

    Progress() = default;
    explicit Progress(Poll poll) : poll_(std::move(poll)) {}

    // True when a stop has been requested.
    bool tick() {
        if (!poll_) return false;
        if (++calls_ % 256 != 0 && !stopped_) return stopped_;
        const auto now = std::chrono::steady_clock::now();
        if (now - last_ >= SLICE) {
            last_ = now;
            stopped_ = poll_();
        }
        return stopped_;
    }
    // Polls at once, whatever the time slice: used between larger steps.
    bool pollNow() {
        if (poll_) stopped_ = poll_();
        last_ = std::chrono::steady_clock::now();
        return stopped_;
    }
    bool stopped() const { return stopped_; }

private:
    Poll poll_;
    unsigned calls_ = 0;
    bool stopped_ = false;
    std::chrono::steady_clock::time_point last_ = std::chrono::steady_clock::now();
};

}  // namespace quirvo
