#pragma once

#include <QObject>
#include <functional>

#include "core/common/progress.h"

namespace quirvo {

class MainWindow;

// One long engine scan run inside a grid handler: the hourglass over the
// grid and the list, a Progress whose poll lets the window repaint and
// answers whether panel 2 asked for a stop, and a close of the window put
// off until the scan has returned (the scan's caller lives in the window).
// A dictionary scan holds the window busy (busyLevel 2) until it returns,
// then clears busyLevel and stopRequest.
class ScanSession : public QObject {
    Q_OBJECT
public:
    enum class Busy : bool { No, Yes };

    // showRunning puts up the texts of a scan under way; it runs at the
    // first poll, so a request the engine refuses at once never shows them.
    explicit ScanSession(MainWindow& window, Busy busy = Busy::No, std::function<void()> showRunning = {});
    ~ScanSession() override;

    Progress& progress() { return progress_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MainWindow& w_;
    Busy busy_;
    Progress progress_;
    std::function<void()> showRunning_;
    bool closeAsked_ = false;
};

}  // namespace quirvo
