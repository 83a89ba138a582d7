#include "gui/fill/worker_busy.h"

#include <QAction>
#include <QEvent>
#include <QTimer>

#include "gui/app/main_window.h"
#include "gui/app/status_panels.h"
#include "gui/editing/editing_display.h"

namespace quirvo {

WorkerBusy::WorkerBusy(MainWindow& window, std::function<void()> stop) : QObject(&window), w_(window), stop_(std::move(stop)) {
    connect(w_.stb1(), &StatusPanels::panelClicked, this, [this](int panel) {
        if (panel == 2 && active_) stop_();
    });
    escape_ = new QAction(this);
    escape_->setShortcut(Qt::Key_Escape);
    escape_->setShortcutContext(Qt::WindowShortcut);
    escape_->setEnabled(false);
    connect(escape_, &QAction::triggered, this, [this] { stop_(); });
    w_.addAction(escape_);
    w_.installEventFilter(this);
}

void WorkerBusy::begin(const QString& panelText) {
    Session& s = w_.session();
    active_ = true;
    s.busyLevel = 2;
    s.stopRequest = 0;
    setScanPointers(w_, true);
    w_.stb1()->setText(2, panelText);
    w_.stb1()->setText(3, " ");
    w_.stb1()->setTip(2, "Click qui o Esc per interrompere");
    escape_->setEnabled(true);
}

bool WorkerBusy::end() {
    Session& s = w_.session();
    active_ = false;
    escape_->setEnabled(false);
    s.busyLevel = 0;
    s.stopRequest = 0;
    setScanPointers(w_, false);
    w_.stb1()->setTip(2, QString());
    if (!std::exchange(closeAsked_, false)) return false;
    w_.stb1()->setText(2, " interrotto ");
    QTimer::singleShot(0, &w_, &QWidget::close);
    return true;
}

// Closing now would end the program under the running work: the work is
// stopped and the close repeated once it has answered.
bool WorkerBusy::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &w_ && event->type() == QEvent::Close && active_) {
        closeAsked_ = true;
        stop_();
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quirvo
