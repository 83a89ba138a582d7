#include "gui/app/message_box.h"

namespace quirvo {

namespace {

// Carries a window's hook as a child of the window, so the hook lives and
// dies with it.
class MessageHookHolder : public QObject {
public:
    MessageHookHolder(QObject* window, MessageHook hook) : QObject(window), hook(std::move(hook)) {}
    MessageHook hook;
};

// By dynamic_cast: the holder has no meta-object of its own for findChild.
MessageHookHolder* holderOf(const QObject* object) {
    for (QObject* child : object->children())
        if (auto* holder = dynamic_cast<MessageHookHolder*>(child)) return holder;
    return nullptr;
}

// The hook of the nearest widget, from `from` outwards, that carries one.
const MessageHook* hookFor(const QObject* from) {
    for (const QObject* o = from; o; o = o->parent())
        if (const MessageHookHolder* holder = holderOf(o)) return &holder->hook;
    return nullptr;
}

}  // namespace

void setMessageHook(QWidget* window, MessageHook hook) {
    delete holderOf(window);
    if (hook) new MessageHookHolder(window, std::move(hook));
}

void showMessage(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon) {
    if (const MessageHook* hook = hookFor(parent)) {
        (*hook)({title, text, icon});
        return;
    }
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace quirvo
