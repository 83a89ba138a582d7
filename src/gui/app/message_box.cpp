#include "gui/app/message_box.h"

namespace quirvo {

namespace {
MessageHook& hook() {
    static MessageHook h;
    return h;
}
}  // namespace

void setMessageHook(MessageHook h) { hook() = std::move(h); }

void showMessage(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon) {
    if (hook()) {
        hook()({title, text, icon});
        return;
    }
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace quirvo
