#include "gui/dictionary/dictionary_activation.h"

#include <QAction>

#include "gui/app/main_window.h"
#include "gui/app/message_box.h"
#include "gui/app/status_panels.h"
#include "gui/dictionary/dictionary_viewer.h"

namespace quirvo {

namespace {

// Qt inverts a checkable item before reporting the click; the handlers
// decide themselves, so the automatic inversion is taken back first.
void connectUnchecked(QAction* action, QObject* context, std::function<void()> handler) {
    QObject::connect(action, &QAction::triggered, context, [action, handler](bool checked) {
        action->setChecked(!checked);
        handler();
    });
}

}  // namespace

DictionaryActivation::DictionaryActivation(MainWindow& window) : w_(window) {
    for (int slot = 1; slot <= 6; ++slot)
        connectUnchecked(w_.menuItem(QStringLiteral("d%1").arg(slot)), this, [this, slot] { dClick(slot); });
    connectUnchecked(w_.menuItem("Accorcia"), this, [this] { Accorcia_Click(); });
    connectUnchecked(w_.menuItem("Estesa"), this, [this] { Estesa_click(); });
    connect(w_.menuItem("Indirdiz"), &QAction::triggered, this, &DictionaryActivation::Indirdiz_Click);
}

void DictionaryActivation::Indirdiz_Click() {
    if (!viewer_) viewer_ = new DictionaryViewer(w_.session(), &w_);
    viewer_->show();
    viewer_->raise();
}

void DictionaryActivation::dClick(int slot) {
    if (slot == 1) {
        showMessage(&w_, "Attenzione...", QString::fromUtf8("... il dizionario base.diz non è disattivabile!"),
                    QMessageBox::NoIcon);
        return;
    }
    QAction* item = w_.menuItem(QStringLiteral("d%1").arg(slot));
    item->setChecked(!item->isChecked());
    w_.session().setDictionaryActive(slot, item->isChecked());
    mostradiz();
}

void DictionaryActivation::mostradiz() {
    StatusPanels* stb1 = w_.stb1();
    for (int panel = 11; panel <= 16; ++panel) {
        stb1->panel(panel)->setLit(false);
        stb1->setTip(panel, "");
    }
    for (int n = 1; n <= 6; ++n) {
        QAction* item = w_.menuItem(QStringLiteral("d%1").arg(n));
        if (!item->isChecked()) continue;
        stb1->panel(10 + n)->setLit(true);
        const QString caption = item->text();
        stb1->setTip(10 + n, caption.mid(4).chopped(std::min<qsizetype>(4, caption.mid(4).size())));
    }
}

void DictionaryActivation::Accorcia_Click() {
    if (w_.session().busyLevel > 0) return;
    QAction* item = w_.menuItem("Accorcia");
    item->setChecked(!item->isChecked());
    w_.session().accorcia = item->isChecked();
}

void DictionaryActivation::Estesa_click() {
    if (w_.session().busyLevel > 0) return;
    QAction* item = w_.menuItem("Estesa");
    item->setChecked(!item->isChecked());
    w_.session().estesa = item->isChecked();
    w_.stb1()->panel(8)->setVisible(item->isChecked());
    w_.stb1()->panel(7)->setVisible(!item->isChecked());
}

}  // namespace quirvo
