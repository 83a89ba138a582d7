#pragma once

#include <mutex>
#include <optional>

namespace quirvo {

// Where a worker leaves its newest progress for the window's timer to take;
// any thread may post, the window takes each report once.
template <typename Progress>
class LatestProgress {
public:
    void post(const Progress& progress) {
        std::lock_guard lock(mutex_);
        progress_ = progress;
        fresh_ = true;
    }
    std::optional<Progress> take() {
        std::lock_guard lock(mutex_);
        if (!fresh_) return std::nullopt;
        fresh_ = false;
        return progress_;
    }
    void forget() {
        std::lock_guard lock(mutex_);
        fresh_ = false;
    }

private:
    std::mutex mutex_;
    Progress progress_{};
    bool fresh_ = false;
};

}  // namespace quirvo
