#include "gui/dictionary/dictionary_loading.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <QCoreApplication>
#include <QDir>

#include "core/dictionary/dictionary_loader.h"
#include "core/dictionary/facts_file.h"
#include "gui/app/controllers.h"
#include "gui/app/message_box.h"
#include "gui/files/document_flow.h"
#include "gui/app/main_window.h"
#include "gui/app/status_panels.h"
#include "gui/dictionary/dictionary_activation.h"

namespace quirvo {

DictionaryLoading::DictionaryLoading(MainWindow& window, DocumentFlow& documentFlow,
                                     DictionaryActivation& activation)
    : w_(window), documentFlow_(documentFlow), activation_(activation) {
    connect(w_.timer0(), &QTimer::timeout, this, &DictionaryLoading::Timer0_Timer);
}

void DictionaryLoading::Timer0_Timer() {
    w_.timer0()->stop();
    w_.timer2()->start();
    QString folder = QDir::currentPath();
    if (!folder.endsWith('/')) folder += '/';
    w_.session().programFolder = folder.toStdString();
    // The counter keeps ticking while the files are read and decoded.
    Progress progress([] {
        QCoreApplication::processEvents();
        return false;
    });
    DictionarySet loaded;
    const LoadReport report = loadDictionaries(w_.session().programFolder, loaded, progress);
    if (report.fatal) {
        showMessage(&w_, "Errore ...", QString::fromUtf8(report.fatalMessage.c_str()), QMessageBox::Critical);
        documentFlow_.escifine();
        return;
    }
    const FactsLoad facts = loadFacts(w_.session().programFolder);
    w_.session().installLexicon(std::move(loaded), facts.file);
    for (const std::string& warning : report.warnings)
        showMessage(&w_, "Attenzione...", QString::fromUtf8(warning.c_str()));
    setUpMenusAndPanels();
    finish();
    // Without the facts the program works as ever; the rules wait for them.
    if (!facts.warning.empty()) w_.stb1()->setText(3, " " + QString::fromUtf8(facts.warning.c_str()) + " ");
}

void DictionaryLoading::setUpMenusAndPanels() {
    for (int slot = 2; slot <= 6; ++slot) {
        w_.menuItem(QStringLiteral("d%1").arg(slot))->setVisible(false);
        w_.stb1()->panel(10 + slot)->setVisible(false);
    }
    const Lexicon& lexicon = *w_.session().lexicon;
    for (int slot = 1; slot <= 6 && lexicon[slot].present(); ++slot) {
        QAction* item = w_.menuItem(QStringLiteral("d%1").arg(slot));
        item->setText(QStringLiteral("D%1- ").arg(slot) + QString::fromStdString(lexicon[slot].dictFileName));
        w_.stb1()->panel(10 + slot)->setVisible(true);
        w_.stb1()->panel(10 + slot)->setLit(true);
        item->setChecked(true);
        item->setVisible(true);
    }
    activation_.mostradiz();
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
    emit loaded();
}

}  // namespace quirvo
