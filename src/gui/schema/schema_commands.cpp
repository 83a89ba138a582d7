#include "gui/schema/schema_commands.h"

#include <QAction>
#include <QRandomGenerator>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "core/schema/generate_schema.h"
#include "gui/app/help_window.h"
#include "gui/app/main_window.h"
#include "gui/app/message_box.h"
#include "gui/app/status_panels.h"
#include "gui/display/grid_view.h"
#include "gui/editing/history_commands.h"
#include "gui/files/document_flow.h"
#include "gui/fill/banned_words.h"
#include "gui/fill/worker_busy.h"
#include "gui/schema/schema_dialog.h"

namespace quirvo {

namespace {

constexpr int PROGRESS_MS = 200;

QString progressText(const SchemaProgress& p) {
    const QString best = p.bestBlack < 0 ? QStringLiteral("nessuno schema ancora")
                                         : QStringLiteral("migliore %1 caselle nere").arg(p.bestBlack);
    return QStringLiteral(" schema libero in corso: %1, %2 s ").arg(best).arg(int(p.seconds));
}

QString outcomeText(const SchemaResult& result, bool stopped) {
    if (result.schemas.size() == 1) return " 1 schema proposto ";
    if (!result.schemas.empty()) return QStringLiteral(" %1 schemi proposti ").arg(result.schemas.size());
    return stopped ? " interrotto " : " nessuno schema trovato ";
}

bool sameSize(const Grid& a, const Grid& b) { return a.rowCount == b.rowCount && a.colCount == b.colCount; }

}  // namespace

SchemaCommands::SchemaCommands(MainWindow& window, WordTableSource& tables, HistoryCommands& history,
                               DocumentFlow& flow)
    : w_(window),
      tables_(tables),
      history_(history),
      flow_(flow),
      progress_(std::make_shared<LatestProgress<SchemaProgress>>()),
      job_([this](Answer answer) { finished(std::move(answer)); }) {
    connect(w_.menuItem("GeneraSchema"), &QAction::triggered, this, &SchemaCommands::GeneraSchema_Click);
    setHelpPage(w_.menuItem("GeneraSchema"), "schema_libero.html");
    busy_ = new WorkerBusy(w_, [this] { stop(); });
    progressTimer_ = new QTimer(this);
    progressTimer_->setInterval(PROGRESS_MS);
    connect(progressTimer_, &QTimer::timeout, this, &SchemaCommands::showProgress);
    // A proposal on show gives way as soon as the grid is touched.
    connect(&w_.document(), &GridDocument::cellsChanged, this, &SchemaCommands::endPreview);
    connect(w_.peri(), &GridView::mousePressed, this, &SchemaCommands::endPreview);
}

// At the window's right edge, clear of the grid the proposals are shown in,
// and whole on the screen: on a small one it gives up height.
void SchemaCommands::placeDialog() {
    const QRect room = w_.screen()->availableGeometry();
    const int frame = dialog_->frameGeometry().height() - dialog_->height();
    dialog_->resize(dialog_->width(), std::min(dialog_->height(), room.height() - frame));
    const int height = dialog_->frameGeometry().height();
    const int x = w_.geometry().right() - dialog_->frameGeometry().width();
    const int y = std::clamp(w_.geometry().top() + w_.height() / 8, room.top(), room.bottom() + 1 - height);
    dialog_->move(std::max(x, room.left()), y);
}

void SchemaCommands::GeneraSchema_Click() {
    if (!dialog_) {
        const Session& s = w_.session();
        dialog_ = new SchemaDialog(settings_, s.grid.exists() ? s.grid.rowCount : 0, s.grid.colCount,
                                   s.lexicon->hasFacts(), &w_);
        connect(dialog_, &SchemaDialog::generateAsked, this, &SchemaCommands::generate);
        connect(dialog_, &SchemaDialog::stopAsked, this, &SchemaCommands::stop);
        connect(dialog_, &SchemaDialog::previewAsked, this, &SchemaCommands::preview);
        connect(dialog_, &SchemaDialog::keepAsked, this, &SchemaCommands::keep);
        connect(dialog_, &QDialog::finished, this, [this] {
            stop();
            endPreview();
        });
    }
    const bool fresh = !dialog_->isVisible();
    dialog_->show();
    if (fresh) placeDialog();
    dialog_->raise();
    dialog_->activateWindow();
}

void SchemaCommands::generate() {
    const Session& s = w_.session();
    if (s.busyLevel != 0 || s.lexicon->dictionaries().loadedCount() == 0) {
        MainWindow::beep();
        return;
    }
    endPreview();
    proposals_.clear();
    const bool fromCurrent = settings_.fromCurrent && s.grid.exists();
    const Grid start = fromCurrent ? s.grid : Grid::blank(settings_.rows, settings_.cols);
    SchemaOptions options;
    options.active = s.activeDictionaries;
    options.symmetry = settings_.symmetry;
    options.maxBlackShare = settings_.blackPercent / 100;
    options.seconds = settings_.seconds;
    options.seed = QRandomGenerator::global()->generate64();
    options.count = SchemaDialog::PROPOSALS;
    // The setter's rules as the fill options set them, on even where the
    // fill has them off.
    const bool rules = settings_.rules && s.lexicon->hasFacts();
    const bool fillRules = tables_.editorRules().on;
    const std::shared_future<WordTableSource::Rules> shared = rules && fillRules ? tables_.rules(s.lexicon) : std::shared_future<WordTableSource::Rules>();
    const EditorRules own{true, tables_.editorRules().minFamiliarity, rules && !fillRules ? readBannedWords() : std::vector<std::string>{}};
    const std::shared_future<WordTableSource::Table> table = tables_.table(s.lexicon);
    busy_->begin(" schema libero in corso ... ");
    progress_->forget();
    progressTimer_->start();
    dialog_->setRunning(true);
    job_.start([table, lexicon = s.lexicon, rules, shared, own, start, options, fromCurrent,
                progress = progress_](const std::atomic<bool>& stop) {
        SchemaOptions o = options;
        o.stop = &stop;
        o.progress = [progress](const SchemaProgress& p) { progress->post(p); };
        const WordTable& words = *table.get();
        if (shared.valid()) o.rules = shared.get();
        else if (rules) o.rules = std::make_shared<const WordRules>(*lexicon->facts(), own);
        return Answer{generateSchema(words, start, o), fromCurrent};
    });
}

void SchemaCommands::stop() {
    if (job_.running()) job_.stop();
}

void SchemaCommands::showProgress() {
    if (const std::optional<SchemaProgress> p = progress_->take()) w_.stb1()->setText(2, progressText(*p));
}

void SchemaCommands::finished(Answer answer) {
    progressTimer_->stop();
    if (busy_->end()) return;
    const bool stopped = answer.result.progress.seconds < settings_.seconds && answer.result.schemas.empty();
    w_.stb1()->setText(2, outcomeText(answer.result, stopped));
    if (answer.result.schemas.empty()) MainWindow::beep();
    proposals_ = std::move(answer.result.schemas);
    if (!dialog_) return;
    dialog_->setRunning(false);
    dialog_->showProposals(proposals_);
}

// The proposal takes the grid picture's place until it is kept or given
// up; a proposal of another size than the grid resizes the picture.
void SchemaCommands::preview(int index) {
    if (index < 0 || size_t(index) >= proposals_.size()) return;
    const Grid& grid = proposals_[size_t(index)].grid;
    GridView* view = w_.peri();
    view->setPreview(grid);
    view->resize(int(view->cellWidth() * grid.colCount) + 2, int(view->cellHeight() * grid.rowCount) + 2);
    view->setVisible(true);
    w_.stb1()->setText(3, QStringLiteral(" anteprima: %1 caselle nere ").arg(proposals_[size_t(index)].black));
}

void SchemaCommands::endPreview() {
    GridView* view = w_.peri();
    if (!view->preview()) return;
    view->setPreview(std::nullopt);
    const Session& s = w_.session();
    if (s.grid.exists()) w_.resizeGridPicture();
    view->setVisible(s.grid.exists());
    w_.stb1()->setText(3, " ");
}

void SchemaCommands::keep(int index) {
    Session& s = w_.session();
    if (s.busyLevel != 0 || index < 0 || size_t(index) >= proposals_.size()) {
        MainWindow::beep();
        return;
    }
    const Grid grid = proposals_[size_t(index)].grid;
    endPreview();
    if (s.grid.exists() && sameSize(s.grid, grid)) {
        history_.writeAll(changedCells(s.grid, grid));
        s.priclk = 0;
    } else {
        if (s.gridModified == 1) {
            showMessage(dialog_, "Attenzione!",
                        "Lo schema attuale è stato modificato e non è stato salvato.\n"
                        "Salvarlo, oppure scegliere uno schema delle sue dimensioni.",
                        QMessageBox::Warning);
            return;
        }
        flow_.adoptGrid(grid, {});
        w_.document().setModified(true);
    }
    w_.stb1()->setText(2, " schema libero inserito ");
    if (dialog_) dialog_->close();
    emit kept();
}

}  // namespace quirvo
