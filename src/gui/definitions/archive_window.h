#pragma once

#include <QDialog>
#include <memory>

#include "core/clues/archive_import.h"
#include "gui/fill/engine_job.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace quirvo {

class SqliteArchive;

// "Archivio delle Definizioni": searches the setter's archive by word or
// by the words of a text, takes in every companion under a chosen folder
// (on a worker, with "Ferma" to stop) and exports it all to CSV. Not modal.
class ArchiveWindow : public QDialog {
    Q_OBJECT

public:
    // archive may be null (it could not be opened): the window says why.
    ArchiveWindow(std::shared_ptr<SqliteArchive> archive, const QString& problem, QWidget* parent);
    ~ArchiveWindow() override;

    // What "Cerca" does with the field as it stands.
    void search();
    // What "Importa..." and "Esporta CSV..." do once a folder or a file is chosen.
    void importFolder(const QString& folder);
    bool exportTo(const QString& path);
    bool importing() const { return import_.running(); }

    QLineEdit* query() const { return query_; }
    QRadioButton* byWord() const { return byWord_; }
    QTableWidget* results() const { return results_; }
    QLabel* status() const { return status_; }

private:
    void showCount();
    void imported(const ImportReport& report);

    std::shared_ptr<SqliteArchive> archive_;
    QLineEdit* query_;
    QRadioButton* byWord_;
    QRadioButton* byText_;
    QTableWidget* results_;
    QLabel* status_;
    QPushButton* importButton_;
    QPushButton* stopButton_;
    EngineJob<ImportReport> import_;
};

}  // namespace quirvo
