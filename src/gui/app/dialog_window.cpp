#include "gui/app/dialog_window.h"

#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace quirvo {

namespace {

// Centres its window over the parent's window whenever it is shown after
// having been hidden; a window shown again while open stays where it is.
class CentreOnShow : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && !event->spontaneous()) {
            centre(dialog);
            // Window managers do not always focus a new tool window; the
            // user expects to type into it at once.
            QTimer::singleShot(0, dialog, [dialog] { dialog->activateWindow(); });
        }
        return false;
    }

private:
    static void centre(QWidget* dialog) {
        const QWidget* owner = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
        if (!owner) return;
        const QRect over = owner->frameGeometry();
        QRect placed(QPoint(), dialog->frameGeometry().size());
        placed.moveCenter(over.center());
        if (const QScreen* screen = owner->screen()) {
            const QRect area = screen->availableGeometry();
            const QPoint last(area.x() + area.width() - placed.width(), area.y() + area.height() - placed.height());
            placed.moveLeft(std::clamp(placed.left(), area.left(), std::max(area.left(), last.x())));
            placed.moveTop(std::clamp(placed.top(), area.top(), std::max(area.top(), last.y())));
        }
        dialog->move(placed.topLeft());
    }
};

}  // namespace

void makeDialogWindow(QWidget* dialog) {
    dialog->setWindowFlag(Qt::Tool);
    dialog->installEventFilter(new CentreOnShow(dialog));
}

}  // namespace quirvo
