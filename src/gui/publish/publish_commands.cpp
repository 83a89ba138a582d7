#include "gui/publish/publish_commands.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "core/formats/ipuz.h"
#include "core/session.h"
#include "gui/app/help_window.h"
#include "gui/app/main_window.h"
#include "gui/app/message_box.h"
#include "gui/app/question_box.h"
#include "gui/app/user_settings.h"
#include "gui/files/document_flow.h"
#include "gui/publish/export_writer.h"
#include "gui/publish/page_dialog.h"

namespace quirvo {

namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

const QStringList EXPORT_FILTERS = {"PDF (*.pdf)", "SVG (*.svg)", "PNG (*.png)", "ipuz (*.ipuz)",
                                    "Across Lite (*.puz)"};

// The extension of the chosen filter, when the typed name has none of ours.
QString withFilterSuffix(const QString& path, const QString& filter) {
    if (exportFormatOf(path)) return path;
    const qsizetype star = filter.indexOf("*.");
    return path + filter.mid(star + 1, filter.size() - star - 2);
}

bool pagesFormat(const QString& path) {
    const auto f = exportFormatOf(path);
    return f == ExportFormat::Pdf || f == ExportFormat::Svg || f == ExportFormat::Png;
}

}  // namespace

PublishCommands::PublishCommands(MainWindow& window, DocumentFlow& documentFlow)
    : w_(window), s_(window.session()), documentFlow_(documentFlow) {
    QMenu* file = w_.findChild<QMenu*>("File");
    QAction* esci = w_.menuItem("Esci");
    const auto add = [&](const char* name, const char* caption, void (PublishCommands::*slot)()) {
        auto* a = new QAction(QString::fromUtf8(caption), file);
        a->setObjectName(name);
        file->insertAction(esci, a);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    setHelpPage(add("Importaipuz", "Importa ipuz...", &PublishCommands::Importaipuz_Click), "ipuz.html");
    setHelpPage(add("Esporta", "Esporta...", &PublishCommands::Esporta_Click), "stampa.html");
    setHelpPage(add("Stampa", "Stampa...", &PublishCommands::Stampa_Click), "stampa.html");
    file->insertSeparator(esci);
    last_ = UserSettings().pageOptions(last_);
    connect(&w_, &MainWindow::gridStarted, this, &PublishCommands::setEnabledForGrid);
    setEnabledForGrid();
}

void PublishCommands::setEnabledForGrid() {
    for (const char* name : {"Esporta", "Stampa"}) w_.menuItem(name)->setEnabled(s_.grid.exists());
}

PageDialog* PublishCommands::pageDialog() const { return page_ && page_->isVisible() ? page_.data() : nullptr; }
QFileDialog* PublishCommands::fileDialog() const { return files_ && files_->isVisible() ? files_.data() : nullptr; }

bool PublishCommands::idle() const { return s_.busyLevel == 0; }

Puzzle PublishCommands::currentPuzzle() const {
    return {s_.grid, s_.definitions, last_.title.toStdString(), last_.author.toStdString()};
}

void PublishCommands::askPage(bool pages, std::function<void(const PageChoices&)> then) {
    if (!page_) {
        page_ = new PageDialog(&w_);
        connect(page_, &PageDialog::chosen, this, [this](const PageChoices& c) {
            last_ = c;
            UserSettings().setPageOptions(c);
            if (then_) then_(c);
        });
    }
    then_ = std::move(then);
    page_->ask(last_, pages);
}

void PublishCommands::Stampa_Click() {
    if (!idle() || !s_.grid.exists()) return;
    askPage(true, [this](const PageChoices& c) { print(c); });
}

void PublishCommands::print(const PageChoices& choices) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    printer.setDocName(choices.title.isEmpty() ? "QUIRVO" : choices.title);
    QPrintPreviewDialog preview(&printer, &w_);
    preview.setObjectName("AnteprimaStampa");
    setHelpPage(&preview, "stampa.html");
    const Puzzle puzzle = currentPuzzle();
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter* p) {
        PageLayout(puzzle, choices, QSizeF(p->width(), p->height()), p->resolution()).paintAll(*p);
    });
    preview.exec();
}

void PublishCommands::Esporta_Click() {
    if (!idle() || !s_.grid.exists()) return;
    showFiles(true);
}

void PublishCommands::Importaipuz_Click() {
    if (!idle()) return;
    showFiles(false);
}

// One file window for both commands, Qt's own so that it does not block.
void PublishCommands::showFiles(bool save) {
    if (!files_) {
        files_ = new QFileDialog(&w_);
        files_->setObjectName("FileEsporta");
        files_->setOption(QFileDialog::DontUseNativeDialog);
        files_->setOption(QFileDialog::DontConfirmOverwrite);  // asked once the name is complete
        connect(files_, &QFileDialog::fileSelected, this, &PublishCommands::fileChosen);
    }
    files_->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    files_->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    files_->setWindowTitle(save ? "Esporta" : "Importa ipuz");
    setHelpPage(files_, save ? "stampa.html" : "ipuz.html");
    files_->setNameFilters(save ? EXPORT_FILTERS : QStringList{"ipuz (*.ipuz)"});
    const QString folder = UserSettings().exportFolder();
    if (save && QFileInfo(folder).isDir()) files_->setDirectory(folder);
    files_->show();
}

void PublishCommands::fileChosen(const QString& chosen) {
    if (files_->acceptMode() == QFileDialog::AcceptOpen) {
        importFrom(chosen);
        return;
    }
    const QString path = withFilterSuffix(chosen, files_->selectedNameFilter());
    UserSettings().setExportFolder(QFileInfo(path).absolutePath());
    askPage(pagesFormat(path), [this, path](const PageChoices& c) { exportAsking(path, c); });
}

// "No" writes nothing and brings the file window back for another name.
void PublishCommands::exportAsking(const QString& path, const PageChoices& choices) {
    QStringList existing;
    for (const QString& target : exportTargets(path, currentPuzzle(), choices))
        if (QFileInfo::exists(target)) existing << target;
    if (existing.isEmpty()) {
        exportTo(path, choices);
        return;
    }
    const QString question = existing.size() == 1
                                 ? "Il file " + existing[0] + " esiste già. Sostituirlo?"
                                 : "I file " + existing.join(", ") + " esistono già. Sostituirli?";
    askYesNo(
        &w_, "Esporta", question, [this, path, choices] { exportTo(path, choices); }, [this] { showFiles(true); });
}

QString PublishCommands::exportTo(const QString& path, const PageChoices& choices) {
    if (!idle()) return "il programma è occupato";
    last_ = choices;
    const QString error = exportPuzzle(path, currentPuzzle(), choices);
    if (!error.isEmpty())
        showMessage(&w_, "Attenzione!", "Il file " + path + " non è stato scritto:\n" + error + ".",
                    QMessageBox::Warning);
    return error;
}

bool PublishCommands::importFrom(const QString& path) {
    if (!idle()) return false;
    const auto refuse = [&](const QString& why) {
        showMessage(&w_, "Attenzione!",
                    "Il file " + path + " non è stato importato:\n" + why + ".\nLo schema attuale non è cambiato.",
                    QMessageBox::Warning);
        return false;
    };
    if (s_.gridModified == 1) return refuse("lo schema attuale è stato modificato e non è stato salvato");
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) return refuse("il file non si può leggere");
    if (file.size() > static_cast<qint64>(MAX_IPUZ_BYTES))
        return refuse("il file è troppo grande per essere un cruciverba ipuz");
    const QByteArray bytes = file.read(static_cast<qint64>(MAX_IPUZ_BYTES) + 1);
    IpuzRead read = readIpuz(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    if (!read.ok()) return refuse(q(read.error));
    last_.title = q(read.puzzle.title);
    last_.author = q(read.puzzle.author);
    documentFlow_.adoptGrid(std::move(read.puzzle.grid), std::move(read.puzzle.definitions));
    return true;
}

}  // namespace quirvo
