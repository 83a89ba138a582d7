#include "gui/app/help_window.h"

#include <QAction>
#include <QMenu>
#include <QUrl>
#include <QVariant>
#include <map>

#include "gui/app/dialog_window.h"

namespace quirvo {

namespace {

constexpr char PAGE_PROPERTY[] = "helpPage";
const QString CONTENTS = "indice.html";

// Numeric help contexts and their pages; 1000 is the contents, which also
// stands in for a context without a page of its own.
QString pageFor(int context) {
    static const std::map<int, QString> pages = {{HELP_CONTENTS, CONTENTS}, {HELP_RECOVERY, "recupero.html"}};
    const auto it = pages.find(context);
    return it == pages.end() ? CONTENTS : it->second;
}

QString pageOf(const QObject* o) { return o->property(PAGE_PROPERTY).toString(); }

}  // namespace

HelpWindow::HelpWindow(QWidget* owner) : QTextBrowser(owner) {
    setObjectName("HelpWindow");
    makeDialogWindow(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("QUIRVO - Aiuto");
    setOpenLinks(true);
    resize(720, 600);
}

HelpWindow* HelpWindow::showPage(QWidget* owner, const QString& page) {
    auto* help = owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!help) help = new HelpWindow(owner);
    help->setSource(QUrl("qrc:/help/" + (page.isEmpty() ? CONTENTS : page)));
    help->show();
    help->raise();
    return help;
}

HelpWindow* HelpWindow::showContext(QWidget* owner, int context) { return showPage(owner, pageFor(context)); }

void setHelpPage(QObject* widgetOrAction, const QString& page) { widgetOrAction->setProperty(PAGE_PROPERTY, page); }

// A dialog's parent is the window that owns it, so the walk up the parents
// passes from a dialog to its owner's page.
QString helpPageAt(const QWidget* focus) {
    if (const auto* menu = qobject_cast<const QMenu*>(focus); menu && menu->activeAction()) {
        const QString page = pageOf(menu->activeAction());
        if (!page.isEmpty()) return page;
    }
    for (const QWidget* w = focus; w; w = w->parentWidget()) {
        const QString page = pageOf(w);
        if (!page.isEmpty()) return page;
    }
    return {};
}

}  // namespace quirvo
