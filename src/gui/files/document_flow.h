#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

#include "core/document/definitions.h"
#include "core/formats/recovery_file.h"
#include "core/grid/grid.h"
#include <optional>
#include <string>
#include <vector>

namespace quirvo {

class FileChooser;
class MainWindow;
class SavePrompt;
class SizeDialog;
struct Session;

// The document flow behind the File menu and the main window's close box:
// New, Open, Save, Save as and Exit, the save-changes prompt (Form0c), the
// size dialog (Form0a) and the file chooser (Form0b), the pending command
// held back by the prompt, the caption and the enabled save commands.
// None of its windows is modal; each exists once while it is open.
class DocumentFlow : public QObject {
    Q_OBJECT

public:
    explicit DocumentFlow(MainWindow& window);

    void Nuovo_Click();
    void Apri_Click();
    void Salva_Click();
    void Salvacome_Click();
    void Esci_Click();
    // A grid made here or read from elsewhere (an imported file) becomes the
    // current one, as a new grid that was never saved.
    void adoptGrid(Grid grid, Definitions definitions);
    // A recovery copy becomes the current document, modified, under the
    // file it belongs to ("" for a grid never saved). Refused, with the
    // message shown over `over`, while the current grid has unsaved changes
    // or a search runs.
    bool restoreCopy(RecoveryCopy copy, QWidget* over);
    // Ends the program; nothing runs after it in the handler that called it.
    void escifine();

    // What escifine finally calls; the program exits its event loop.
    using QuitFunction = std::function<void()>;
    void setQuitFunction(QuitFunction quit) { quit_ = std::move(quit); }

    // The open dialogs, or null.
    SizeDialog* form0a() const;
    FileChooser* form0b() const;
    SavePrompt* form0c() const;

signals:
    // Just before the program ends: links to other programs close here.
    void ending();
    // The document has just become one without unsaved changes: saved,
    // replaced, or its changes dropped.
    void modifiedCleared();
    // The grid and its definitions are safely on disk at this path.
    void saved(const QString& path);

private:
    bool busy() const;
    void clearResults();
    void showSizeDialog();
    void showChooser();
    void showPrompt();

    void createGrid(int rows, int cols);
    void chooserConfirmed(const QString& chosenPath);
    bool openChosen(const QString& chosenPath);
    bool saveChosen(const QString& chosenPath);
    void commonEnd();
    void gridReplaced();
    void promptSaveNow();
    void promptDiscard();
    bool mayDrop(QWidget* dialog) const;
    bool refuseWhileModified(QWidget* over);
    void reportSaveFailure(const QString& path, const QString& error, QWidget* over);
    void setSaveCommands(bool salva, bool salvacome);
    void markUnmodified();

    MainWindow& w_;
    Session& s_;
    QPointer<SizeDialog> form0a_;
    QPointer<FileChooser> form0b_;
    QPointer<SavePrompt> form0c_;
    QuitFunction quit_;

    // "Non Salvare" before a New or an Open drops the changes only when the
    // dialog opened for that command replaces the grid; until then the grid
    // stays modified. The consent holds for these rows and those dialogs
    // while they are open.
    struct DropConsent {
        std::vector<std::string> rows;
        QList<QPointer<QWidget>> dialogs;
    };
    std::optional<DropConsent> consent_;
    bool discarding_ = false;  // New or Open run from "Non Salvare"
};

}  // namespace quirvo
