#pragma once

#include <QMessageBox>
#include <functional>

namespace quirvo {

// Every message box of the program goes through showMessage, so that a test
// can take the messages instead of waiting on a modal box.
void showMessage(QWidget* parent, const QString& title, const QString& text,
                 QMessageBox::Icon icon = QMessageBox::NoIcon);

struct ShownMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon;
};
using MessageHook = std::function<void(const ShownMessage&)>;
// With a hook set on a window, the messages of that window and of the
// widgets inside it are handed to the hook and no box is shown; an empty
// hook shows boxes again.
void setMessageHook(QWidget* window, MessageHook hook);

}  // namespace quirvo
