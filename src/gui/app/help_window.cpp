#include "gui/app/help_window.h"

#include <QUrl>
#include <map>

#include "gui/app/dialog_window.h"

namespace quirvo {

namespace {

// Numeric help contexts and their pages; 1000 is the contents, which also
// stands in for a context without a page of its own.
QUrl pageFor(int context) {
    static const std::map<int, QString> pages = {{HELP_CONTENTS, "indice.html"}, {HELP_RECOVERY, "recupero.html"}};
    const auto it = pages.find(context);
    return QUrl("qrc:/help/" + (it == pages.end() ? QString("indice.html") : it->second));
}

}  // namespace

HelpWindow::HelpWindow(QWidget* owner) : QTextBrowser(owner) {
    setObjectName("HelpWindow");
    makeDialogWindow(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("QUIRVO - Aiuto");
    setOpenLinks(true);
    resize(720, 600);
}

HelpWindow* HelpWindow::showContext(QWidget* owner, int context) {
    auto* help = owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!help) help = new HelpWindow(owner);
    help->setSource(pageFor(context));
    help->show();
    help->raise();
    return help;
}

}  // namespace quirvo
