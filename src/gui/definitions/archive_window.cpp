#include "gui/definitions/archive_window.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/clues/sqlite_archive.h"
#include "core/dictionary/word_folding.h"

namespace quirvo {

namespace {

constexpr size_t SHOWN = 500;

QString q(const std::string& text) { return QString::fromStdString(text); }

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

ArchiveWindow::ArchiveWindow(std::shared_ptr<SqliteArchive> archive, const QString& problem, QWidget* parent)
    : QDialog(parent), archive_(std::move(archive)), import_([this](ImportReport r) { imported(r); }) {
    setObjectName("ArchivioDefinizioni");
    setWindowTitle("Archivio delle Definizioni");
    query_ = new QLineEdit(this);
    query_->setObjectName("CercaArchivio");
    query_->setPlaceholderText("Parola o testo da cercare");
    byWord_ = new QRadioButton("Parola", this);
    byWord_->setObjectName("PerParola");
    byWord_->setChecked(true);
    byText_ = new QRadioButton("Testo", this);
    byText_->setObjectName("NelTesto");
    QPushButton* find = button(this, "Cerca", "Cerca");
    auto* top = new QHBoxLayout;
    top->addWidget(query_, 1);
    top->addWidget(byWord_);
    top->addWidget(byText_);
    top->addWidget(find);

    results_ = new QTableWidget(0, 4, this);
    results_->setObjectName("RisultatiArchivio");
    results_->setHorizontalHeaderLabels({"Parola", "Definizione", "Schema", "Data"});
    results_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    results_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    results_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    results_->verticalHeader()->hide();

    importButton_ = button(this, "ImportaArchivio", "Importa...");
    stopButton_ = button(this, "FermaImportazione", "Ferma");
    stopButton_->setEnabled(false);
    QPushButton* exportButton = button(this, "EsportaArchivio", "Esporta CSV...");
    QPushButton* close = button(this, "ChiudiArchivio", "Chiudi");
    auto* bottom = new QHBoxLayout;
    for (QPushButton* b : {importButton_, stopButton_, exportButton}) bottom->addWidget(b);
    bottom->addStretch();
    bottom->addWidget(close);
    status_ = new QLabel(this);
    status_->setObjectName("StatoArchivio");
    status_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(results_, 1);
    layout->addLayout(bottom);
    layout->addWidget(status_);
    resize(760, 480);

    connect(query_, &QLineEdit::returnPressed, this, &ArchiveWindow::search);
    connect(find, &QPushButton::clicked, this, &ArchiveWindow::search);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(stopButton_, &QPushButton::clicked, this, [this] { import_.stop(); });
    connect(importButton_, &QPushButton::clicked, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(this, "Cartella con gli schemi da importare");
        if (!folder.isEmpty()) importFolder(folder);
    });
    connect(exportButton, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, "Esporta l'archivio", "archivio-definizioni.csv",
                                                          "File CSV (*.csv)");
        if (!path.isEmpty()) exportTo(path);
    });
    for (QWidget* w : std::initializer_list<QWidget*>{query_, byWord_, byText_, find, importButton_, exportButton})
        w->setEnabled(archive_ != nullptr);
    if (archive_) showCount();
    else status_->setText("L'archivio delle definizioni non è disponibile: " + problem);
}

ArchiveWindow::~ArchiveWindow() = default;

void ArchiveWindow::search() {
    if (!archive_) return;
    const std::string typed = query_->text().trimmed().toStdString();
    std::vector<ArchivedDefinition> found;
    if (byWord_->isChecked()) {
        if (const std::optional<std::string> word = foldWord(typed)) found = archive_->ofWord(*word, SHOWN);
    } else {
        found = archive_->search(typed, SHOWN);
    }
    results_->setRowCount(int(found.size()));
    for (int r = 0; r < int(found.size()); ++r) {
        const ArchivedDefinition& d = found[size_t(r)];
        // The grid by its name; the whole path, too long for the column, in its tip.
        const QString cells[] = {q(d.word), q(d.text), QFileInfo(q(d.grid)).fileName(), q(d.date)};
        for (int c = 0; c < 4; ++c) results_->setItem(r, c, new QTableWidgetItem(cells[c]));
        results_->item(r, 2)->setToolTip(q(d.grid));
    }
    status_->setText(found.empty() ? "Nessuna definizione trovata." : QString("Definizioni trovate: %1").arg(found.size()));
}

void ArchiveWindow::importFolder(const QString& folder) {
    if (!archive_ || importing()) return;
    importButton_->setEnabled(false);
    stopButton_->setEnabled(true);
    status_->setText("Importazione da " + folder + " ...");
    import_.start([this, archive = archive_, folder = folder.toStdString()](const std::atomic<bool>& stop) {
        return importCompanions(*archive, folder, stop, [this](int files) {
            QMetaObject::invokeMethod(this, [this, files] { status_->setText(QString("File letti: %1 ...").arg(files)); },
                                      Qt::QueuedConnection);
        });
    });
}

void ArchiveWindow::imported(const ImportReport& report) {
    importButton_->setEnabled(true);
    stopButton_->setEnabled(false);
    QString text = QString("%1: %2 definizioni da %3 file")
                       .arg(report.stopped ? "Importazione fermata" : "Importazione finita")
                       .arg(report.definitions)
                       .arg(report.files);
    if (!report.damaged.empty())
        text += QString("; %1 file non letti (il primo: %2)").arg(report.damaged.size()).arg(q(report.damaged.front()));
    status_->setText(text + ".");
}

bool ArchiveWindow::exportTo(const QString& path) {
    if (!archive_) return false;
    const QByteArray bytes = QByteArray::fromStdString(archiveCsv(*archive_));
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    status_->setText(written ? "Archivio esportato in " + path : "Impossibile scrivere " + path);
    return written;
}

void ArchiveWindow::showCount() { status_->setText(QString("Definizioni nell'archivio: %1").arg(archive_->count())); }

}  // namespace quirvo
