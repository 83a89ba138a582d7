#include "gui/app/dialog_window.h"

#include <QEvent>
#include <algorithm>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

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
        if (event->type() == QEvent::Show && !event->spontaneous()) centre(dialog);
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
            placed.moveLeft(std::clamp(placed.left(), area.left(), std::max(area.left(), area.right() - placed.width())));
            placed.moveTop(std::clamp(placed.top(), area.top(), std::max(area.top(), area.bottom() - placed.height())));
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
