#include "gui/dictionary/dictionary_loading.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "gui/app/controllers.h"
#include "gui/app/main_window.h"
#include "gui/app/status_panels.h"
#include "gui/dictionary/dictionary_activation.h"

namespace quirvo {

DictionaryLoading::DictionaryLoading(MainWindow& window) : w_(window) {
    connect(w_.timer0(), &QTimer::timeout, this, &DictionaryLoading::Timer0_Timer);
}

void DictionaryLoading::Timer0_Timer() {
    w_.timer0()->stop();
    w_.timer2()->start();
    setUpMenusAndPanels();
    finish();
}

void DictionaryLoading::setUpMenusAndPanels() {
    for (int slot = 2; slot <= 6; ++slot) {
        w_.menuItem(QStringLiteral("d%1").arg(slot))->setVisible(false);
        w_.stb1()->panel(10 + slot)->setVisible(false);
    }
    const DictionarySet& dicts = w_.session().dictionaries;
    for (int slot = 1; slot <= 6 && dicts[slot].present(); ++slot) {
        QAction* item = w_.menuItem(QStringLiteral("d%1").arg(slot));
        item->setText(QStringLiteral("D%1- ").arg(slot) + QString::fromStdString(dicts[slot].dictFileName));
        w_.stb1()->panel(10 + slot)->setVisible(true);
        w_.stb1()->panel(10 + slot)->setEnabled(true);
        item->setChecked(true);
        item->setVisible(true);
    }
    if (auto* activation = w_.controller<DictionaryActivation>()) activation->mostradiz();
}

void DictionaryLoading::finish() {
    w_.stb1()->setText(2, " Aprire un CRUCIVERBA dal menu File o usare TEST e i pulsanti a sinistra ");
    w_.timer2()->stop();
    w_.secCar()->setVisible(false);
    w_.label0()->setVisible(false);
    w_.setBusyPointer(false);
    w_.button("a9")->setEnabled(true);
    w_.textb()->setEnabled(true);
    w_.setPicture1Visible(true);
}

}  // namespace quirvo
