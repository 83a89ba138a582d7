#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QAction;

namespace quirvo {

class MainWindow;

// The window's side of long engine work on a worker: while it runs,
// busyLevel is raised (so every command that waits for a search waits for
// it too), the pointers show it, and a click on panel 2 or Esc asks it to
// stop. Closing the window meanwhile asks it to stop and closes the window
// once the work has answered.
class WorkerBusy : public QObject {
public:
    // `stop` asks the work under way to stop.
    WorkerBusy(MainWindow& window, std::function<void()> stop);

    bool active() const { return active_; }
    void begin(const QString& panelText);
    // Ends the busy state. True when a close of the window waited for the
    // work: panel 2 then says it was stopped, the close is repeated, and
    // the answer has nobody to show it to.
    bool end();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MainWindow& w_;
    std::function<void()> stop_;
    QAction* escape_ = nullptr;
    bool active_ = false;
    bool closeAsked_ = false;
};

}  // namespace quirvo
