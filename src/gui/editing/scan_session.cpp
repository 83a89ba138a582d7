#include "gui/editing/scan_session.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <utility>

#include "gui/app/main_window.h"
#include "gui/editing/editing_display.h"

namespace quirvo {

ScanSession::ScanSession(MainWindow& window, Busy busy, std::function<void()> showRunning)
    : w_(window),
      busy_(busy),
      progress_([this] {
          if (showRunning_) std::exchange(showRunning_, {})();
          QCoreApplication::processEvents();
          return w_.session().stopRequest >= 1;
      }),
      showRunning_(std::move(showRunning)) {
    w_.installEventFilter(this);
    setScanPointers(w_, true);
    if (busy_ == Busy::Yes) w_.session().busyLevel = 2;
}

ScanSession::~ScanSession() {
    w_.removeEventFilter(this);
    setScanPointers(w_, false);
    if (busy_ == Busy::Yes) {
        w_.session().busyLevel = 0;
        w_.session().stopRequest = 0;
    }
    if (closeAsked_) QTimer::singleShot(0, &w_, &QWidget::close);
}

// Closing now could delete the window under the running scan: the scan is
// asked to stop and the close is repeated once it has returned.
bool ScanSession::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &w_ && event->type() == QEvent::Close) {
        closeAsked_ = true;
        w_.session().stopRequest = 1;
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quirvo
