#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

#include "core/schema/schema_options.h"
#include "gui/fill/engine_job.h"
#include "gui/fill/latest_progress.h"
#include "gui/fill/word_table_source.h"
#include "gui/schema/schema_settings.h"

class QTimer;

namespace quirvo {

class DocumentFlow;
class HistoryCommands;
class MainWindow;
class SchemaDialog;
class WorkerBusy;

// "Genera Schema Libero...": the dialog, the generation on a worker (the
// window busy meanwhile, panel 2 following the best black count and the
// seconds, a click on panel 2 or Esc stopping it), a proposal shown in the
// grid picture on a click, and the one kept: into the current grid as one
// change when it has the grid's size, otherwise as a new grid.
class SchemaCommands : public QObject {
    Q_OBJECT
public:
    SchemaCommands(MainWindow& window, WordTableSource& tables, HistoryCommands& history, DocumentFlow& flow);

    void GeneraSchema_Click();
    bool running() const { return job_.running(); }

signals:
    // A generated schema has become the grid.
    void kept();

private:
    void placeDialog();

    struct Answer {
        SchemaResult result;
        bool fromCurrent = false;
    };

    void generate();
    void finished(Answer answer);
    void showProgress();
    void stop();
    void preview(int index);
    void endPreview();
    void keep(int index);

    MainWindow& w_;
    WordTableSource& tables_;
    HistoryCommands& history_;
    DocumentFlow& flow_;
    SchemaSettings settings_;
    std::shared_ptr<LatestProgress<SchemaProgress>> progress_;
    EngineJob<Answer> job_;
    WorkerBusy* busy_ = nullptr;
    QTimer* progressTimer_ = nullptr;
    QPointer<SchemaDialog> dialog_;
    std::vector<Schema> proposals_;
};

}  // namespace quirvo
