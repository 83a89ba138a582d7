#pragma once

#include <QTextBrowser>

namespace quirvo {

// Help contexts with a page of their own.
inline constexpr int HELP_CONTENTS = 1000;
inline constexpr int HELP_RECOVERY = 1100;

// The Italian help pages of one main window; F1 opens them at the window's
// current help context.
class HelpWindow : public QTextBrowser {
    Q_OBJECT
public:
    // Shows the owner's help window (made on first use) at the page of the
    // context.
    static HelpWindow* showContext(QWidget* owner, int context);

private:
    explicit HelpWindow(QWidget* owner);
};

}  // namespace quirvo
