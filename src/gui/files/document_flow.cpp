#include "gui/files/document_flow.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "core/session.h"
#include "gui/app/main_window.h"
#include "gui/app/message_box.h"
#include "gui/files/file_chooser.h"
#include "gui/files/grid_file_io.h"
#include "gui/files/save_prompt.h"
#include "gui/files/size_dialog.h"

namespace quirvo {

namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

template <typename W>
bool isOpen(const QPointer<W>& window) {
    return window && window->isVisible();
}

// A window asked for again comes to the front; a new one just shows.
template <typename W>
void bringForward(W* window, bool wasOpen) {
    window->show();
    if (!wasOpen) return;
    window->raise();
    window->activateWindow();
}

}  // namespace

DocumentFlow::DocumentFlow(MainWindow& window)
    : w_(window), s_(window.session()), quit_([] { QCoreApplication::exit(0); }) {
    connect(w_.menuItem("Nuovo"), &QAction::triggered, this, &DocumentFlow::Nuovo_Click);
    connect(w_.menuItem("Apri"), &QAction::triggered, this, &DocumentFlow::Apri_Click);
    connect(w_.menuItem("Salva"), &QAction::triggered, this, &DocumentFlow::Salva_Click);
    connect(w_.menuItem("Salvacome"), &QAction::triggered, this, &DocumentFlow::Salvacome_Click);
    connect(w_.menuItem("Esci"), &QAction::triggered, this, &DocumentFlow::Esci_Click);
    connect(&w_, &MainWindow::closeRequested, this, &DocumentFlow::Esci_Click);
}

SizeDialog* DocumentFlow::form0a() const { return isOpen(form0a_) ? form0a_.data() : nullptr; }
FileChooser* DocumentFlow::form0b() const { return isOpen(form0b_) ? form0b_.data() : nullptr; }
SavePrompt* DocumentFlow::form0c() const { return isOpen(form0c_) ? form0c_.data() : nullptr; }

bool DocumentFlow::busy() const { return s_.busyLevel > 0; }

void DocumentFlow::clearResults() {
    w_.lists()->clear();
    w_.lists()->setToolTip({});
    w_.texta()->setPattern(QString());
    w_.textb()->clear();
}

void DocumentFlow::Nuovo_Click() {
    if (busy()) return;
    if (s_.gridModified == 1 && !discarding_) {
        s_.newAfterSave = 1;
        showPrompt();
    } else {
        showSizeDialog();
    }
    clearResults();
    s_.chooserFolder = s_.programFolder;
}

void DocumentFlow::Apri_Click() {
    if (busy()) return;
    w_.releaseAllButtons();
    if (s_.gridModified == 1 && !discarding_) {
        s_.openAfterSave = 1;
        showPrompt();
    } else {
        showChooser();
    }
    clearResults();
    s_.modeKey = "a9";
    s_.workMode = 9;
    w_.showTestPicture();
}

void DocumentFlow::Salva_Click() {
    if (busy()) return;
    if (s_.filePath.empty()) {
        Salvacome_Click();
        return;
    }
    const QString path = q(s_.filePath);
    const QString error = saveGridPath(path, s_.grid, s_.definitions);
    if (!error.isEmpty()) {
        reportSaveFailure(path, error, &w_);
        return;
    }
    w_.menuItem("Salvacome")->setEnabled(true);
    markUnmodified();
    emit saved(path);
}

void DocumentFlow::Salvacome_Click() {
    if (busy()) return;
    s_.saveAsPending = 1;
    showChooser();
}

void DocumentFlow::Esci_Click() {
    if (busy()) return;
    if (s_.gridModified == 1) {
        s_.exitAfterSave = 1;
        showPrompt();
    } else {
        escifine();
    }
}

void DocumentFlow::escifine() {
    w_.setBusyPointer(true);
    emit ending();
    quit_();
}

void DocumentFlow::showSizeDialog() {
    const bool wasOpen = isOpen(form0a_);
    if (!wasOpen) {
        form0a_ = new SizeDialog(&w_);
        connect(form0a_, &SizeDialog::sizeChosen, this, &DocumentFlow::createGrid);
    }
    bringForward(form0a_.data(), wasOpen);
}

// Asked again while open, the chooser keeps its lists and picks but takes
// the mode the flags now call for, so its caption always tells what OK does.
void DocumentFlow::showChooser() {
    const ChooserMode mode =
        discarding_ && s_.saveAsPending == 0 ? ChooserMode::Open : FileChooser::modeFor(s_);
    const bool wasOpen = isOpen(form0b_);
    if (wasOpen) {
        if (form0b_->mode() != mode) form0b_->applyMode(mode);
    } else {
        form0b_ = new FileChooser(s_, mode, &w_);
        connect(form0b_, &FileChooser::confirmed, this, &DocumentFlow::chooserConfirmed);
        connect(form0b_, &FileChooser::cancelled, this, [this] {
            s_.exitAfterSave = s_.newAfterSave = s_.openAfterSave = 0;
            s_.saveAsPending = 0;
        });
    }
    bringForward(form0b_.data(), wasOpen);
}

void DocumentFlow::showPrompt() {
    const bool wasOpen = isOpen(form0c_);
    if (!wasOpen) {
        form0c_ = new SavePrompt(&w_);
        connect(form0c_, &SavePrompt::saveNow, this, &DocumentFlow::promptSaveNow);
        connect(form0c_, &SavePrompt::discard, this, &DocumentFlow::promptDiscard);
        connect(form0c_, &SavePrompt::cancelled, this,
                [this] { s_.exitAfterSave = s_.newAfterSave = s_.openAfterSave = 0; });
    }
    form0c_->setFilePath(q(s_.filePath));
    bringForward(form0c_.data(), wasOpen);
}

void DocumentFlow::createGrid(int rows, int cols) {
    if (busy()) {
        MainWindow::beep();
        return;
    }
    if (refuseWhileModified(form0a_)) return;
    adoptGrid(Grid::blank(rows, cols), {});
    if (form0a_) form0a_->close();
}

void DocumentFlow::adoptGrid(Grid grid, Definitions definitions) {
    w_.document().replace(std::move(grid));
    w_.nuovoschema();
    s_.definitions = std::move(definitions);
    s_.filePath.clear();
    w_.setCaptionFile("(nuovo file)");
    setSaveCommands(false, true);
    s_.saveAsPending = 0;
    gridReplaced();
    w_.inizio();
}

bool DocumentFlow::restoreCopy(RecoveryCopy copy, QWidget* over) {
    if (busy()) {
        MainWindow::beep();
        return false;
    }
    if (refuseWhileModified(over)) return false;
    w_.document().replace(std::move(copy.grid));
    w_.nuovoschema();
    s_.definitions.assign(s_.grid, std::move(copy.definitions));
    s_.filePath = copy.filePath;
    w_.setCaptionFile(copy.filePath.empty() ? QString("(nuovo file)") : q(copy.filePath));
    setSaveCommands(!copy.filePath.empty(), true);
    s_.saveAsPending = 0;
    gridReplaced();
    w_.inizio();
    s_.gridModified = 1;
    return true;
}

void DocumentFlow::chooserConfirmed(const QString& chosenPath) {
    if (!form0b_) return;
    if (busy()) {
        MainWindow::beep();
        return;
    }
    const bool done = form0b_->mode() == ChooserMode::Open ? openChosen(chosenPath) : saveChosen(chosenPath);
    if (done) commonEnd();
}

// The file is read whole before anything changes, so a refused file leaves
// the grid, its path, its modified flag and the caption as they were.
bool DocumentFlow::openChosen(const QString& chosenPath) {
    if (refuseWhileModified(form0b_)) return false;
    GridFileRead read = readGridPath(chosenPath);
    if (!read.ok()) {
        showMessage(form0b_, "Attenzione!",
                    "Il file " + chosenPath + " non è stato aperto:\n" + q(read.error) +
                        ".\nLo schema attuale non è cambiato.",
                    QMessageBox::Warning);
        return false;
    }
    CompanionRead companion = readCompanionPath(chosenPath);
    s_.filePath = chosenPath.toStdString();
    w_.nuovoschema();
    w_.document().replace(std::move(read.grid));
    s_.definitions.assign(s_.grid, std::move(companion.definitions));
    gridReplaced();
    w_.inizio();
    if (!companion.warning.isEmpty()) showMessage(&w_, "Attenzione!", companion.warning, QMessageBox::Warning);
    return true;
}

bool DocumentFlow::saveChosen(const QString& chosenPath) {
    const QString target = q(withGridExtension(chosenPath.toStdString()));
    const QString error = saveGridPath(target, s_.grid, s_.definitions);
    if (!error.isEmpty()) {
        reportSaveFailure(target, error, form0b_);
        return false;
    }
    s_.filePath = target.toStdString();
    w_.menuItem("Salvacome")->setEnabled(true);
    emit saved(target);
    return true;
}

void DocumentFlow::commonEnd() {
    markUnmodified();
    consent_.reset();
    s_.saveAsPending = 0;
    w_.setCaptionFile(q(s_.filePath));
    setSaveCommands(true, true);
    if (form0b_) form0b_->finish();
    if (s_.exitAfterSave == 1) {
        escifine();
        return;
    }
    if (s_.newAfterSave == 1) {
        s_.newAfterSave = 0;
        Nuovo_Click();
    }
    if (s_.openAfterSave == 1) {
        s_.openAfterSave = 0;
        Apri_Click();
    }
}

// A New or an Open has replaced the grid: its changes are gone, and there
// is no slot under work, since what the slot buttons would search belonged
// to the grid that has gone.
void DocumentFlow::gridReplaced() {
    markUnmodified();
    consent_.reset();
    s_.slot = SlotState{};
    s_.curRow = 0;
    s_.curCol = 0;
    s_.outline = Outline{};
    for (int n = 1; n <= 4; ++n) w_.command(n)->setEnabled(false);
}

void DocumentFlow::promptSaveNow() {
    showChooser();
    if (form0c_) form0c_->finish();
}

void DocumentFlow::promptDiscard() {
    if (busy()) {
        MainWindow::beep();
        return;
    }
    // With nothing held back (the chooser was cancelled meanwhile) there is
    // no reason to drop the changes: the prompt just goes away.
    if (s_.exitAfterSave == 0 && s_.newAfterSave == 0 && s_.openAfterSave == 0) {
        if (form0c_) form0c_->finish();
        return;
    }
    if (s_.exitAfterSave == 1) {
        s_.gridModified = 0;
        escifine();
        return;
    }
    if (form0c_) form0c_->finish();
    DropConsent consent{s_.grid.gridRows, {}};
    discarding_ = true;
    if (s_.newAfterSave == 1) {
        s_.newAfterSave = 0;
        Nuovo_Click();
        consent.dialogs.append(form0a_.data());
    }
    if (s_.openAfterSave == 1) {
        s_.openAfterSave = 0;
        Apri_Click();
        consent.dialogs.append(form0b_.data());
    }
    discarding_ = false;
    consent_ = std::move(consent);
}

bool DocumentFlow::mayDrop(QWidget* dialog) const {
    return consent_ && dialog && dialog->isVisible() && consent_->dialogs.contains(dialog) &&
           consent_->rows == s_.grid.gridRows;
}

// The size dialog and the chooser in open mode do not block the window, so
// the grid may have been changed after they opened; replacing it then
// would drop that work without the prompt.
bool DocumentFlow::refuseWhileModified(QWidget* over) {
    if (s_.gridModified != 1 || mayDrop(over)) return false;
    showMessage(over, "Attenzione!",
                "Lo schema attuale è stato modificato e non è stato salvato.\n"
                "Salvarlo, oppure chiudere questa finestra e ripetere il comando.",
                QMessageBox::Warning);
    return true;
}

void DocumentFlow::reportSaveFailure(const QString& path, const QString& error, QWidget* over) {
    showMessage(over, "Attenzione!",
                "Il file " + path + " non è stato salvato:\n" + error + ".\nLe modifiche non sono ancora salvate.",
                QMessageBox::Warning);
}

void DocumentFlow::markUnmodified() {
    s_.gridModified = 0;
    emit modifiedCleared();
}

void DocumentFlow::setSaveCommands(bool salva, bool salvacome) {
    w_.menuItem("Salva")->setEnabled(salva);
    w_.menuItem("Salvacome")->setEnabled(salvacome);
}

}  // namespace quirvo
