#pragma once

#include <QString>
#include <QTextBrowser>

namespace quirvo {

// Help contexts with a page of their own.
inline constexpr int HELP_CONTENTS = 1000;
inline constexpr int HELP_RECOVERY = 1100;

// The Italian help pages of one main window, one HTML file a page in
// data/help; F1 opens them at the window's current help context, or at the
// page of what the user is working in.
class HelpWindow : public QTextBrowser {
    Q_OBJECT
public:
    // Shows the owner's help window (made on first use) at a page, or at the
    // page of a context.
    static HelpWindow* showPage(QWidget* owner, const QString& page);
    static HelpWindow* showContext(QWidget* owner, int context);

private:
    explicit HelpWindow(QWidget* owner);
};

// The page F1 opens while the focus is in the widget (or a window it owns),
// or while the action is highlighted in an open menu.
void setHelpPage(QObject* widgetOrAction, const QString& page);
// The page of the focused widget or its nearest owner that has one; empty
// when none has.
QString helpPageAt(const QWidget* focus);

}  // namespace quirvo
