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
class ScanSession : public QObject {
    Q_OBJECT
public:
    // showRunning puts up the texts of a scan under way; it runs at the
    // first poll, so a request the engine refuses at once never shows them.
    explicit ScanSession(MainWindow& window, std::function<void()> showRunning = {});
    ~ScanSession() override;

    Progress& progress() { return progress_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MainWindow& w_;
    Progress progress_;
    std::function<void()> showRunning_;
    bool closeAsked_ = false;
};

}  // namespace quirvo
