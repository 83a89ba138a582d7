#pragma once

#include <QTextBrowser>

namespace quirvo {

// The Italian help pages, opened by F1 at the current help context.
class HelpWindow : public QTextBrowser {
    Q_OBJECT
public:
    static void setContext(int context);
    static int context();
    static HelpWindow* showContext(QWidget* owner);

private:
    explicit HelpWindow(QWidget* owner);
};

}  // namespace quirvo
