#include "gui/fill/fill_commands.h"

#include <QAction>
#include <QRandomGenerator>
#include <QTimer>

#include "core/grid/change_history.h"
#include "gui/app/help_window.h"
#include "gui/app/main_window.h"
#include "gui/app/status_panels.h"
#include "gui/app/user_settings.h"
#include "gui/editing/history_commands.h"
#include "gui/fill/banned_words.h"
#include "gui/fill/fill_settings_dialog.h"

namespace quirvo {

namespace {

constexpr int PROGRESS_MS = 200;

QString progressText(const FillProgress& p) {
    return QStringLiteral(" riempimento in corso: %1 di %2 parole, %3 ripartenze ")
        .arg(p.slotsFilled)
        .arg(p.slotCount)
        .arg(p.restarts);
}

// The slot under work: the one outlined in red, else the one the writing
// or suggestion mode runs along through the cursor.
std::optional<Slot> slotUnderWork(const Session& s) {
    const Outline& o = s.outline;
    if (o.LAX >= 2 && o.LAY == 1) return slotAt(s.grid, o.cy, o.cx, Direction::Across);
    if (o.LAY >= 2 && o.LAX == 1) return slotAt(s.grid, o.cy, o.cx, Direction::Down);
    if (s.workMode == 1 || s.workMode == 3) return slotAt(s.grid, s.curRow, s.curCol, Direction::Across);
    if (s.workMode == 2 || s.workMode == 4) return slotAt(s.grid, s.curRow, s.curCol, Direction::Down);
    return std::nullopt;
}

Outline outlineOf(const Slot& slot) {
    const bool across = slot.direction == Direction::Across;
    return {slot.col, slot.row, int16_t(across ? slot.length : 1), int16_t(across ? 1 : slot.length)};
}

}  // namespace

FillCommands::FillCommands(MainWindow& window, WordTableSource& tables, HistoryCommands& history)
    : w_(window),
      tables_(tables),
      history_(history),
      settings_(UserSettings().fill()),
      progress_(std::make_shared<LatestProgress<FillProgress>>()),
      job_([this](Answer answer) { finished(std::move(answer)); }) {
    connect(w_.menuItem("Riempi"), &QAction::triggered, this, &FillCommands::Riempi_Click);
    connect(w_.menuItem("RiempiParola"), &QAction::triggered, this, &FillCommands::RiempiParola_Click);
    connect(w_.menuItem("OpzioniRiempi"), &QAction::triggered, this, &FillCommands::OpzioniRiempi_Click);
    for (const char* item : {"Riempi", "RiempiParola", "OpzioniRiempi"}) setHelpPage(w_.menuItem(item), "riempimento.html");
    busy_ = new WorkerBusy(w_, [this] { stop(); });
    tables_.setEditorRules(editorRules());
    progressTimer_ = new QTimer(this);
    progressTimer_->setInterval(PROGRESS_MS);
    connect(progressTimer_, &QTimer::timeout, this, &FillCommands::showProgress);
}

bool FillCommands::ready() const {
    const Session& s = w_.session();
    return s.busyLevel == 0 && s.grid.exists() && s.lexicon->dictionaries().loadedCount() > 0;
}

FillOptions FillCommands::engineOptions() const {
    FillOptions options;
    DictMask allowed = 0;
    for (int slot = 1; slot <= SEARCHABLE_SLOTS; ++slot)
        if (settings_.allowed[slot]) allowed |= slotBit(slot);
    options.active = w_.session().activeDictionaries & allowed;
    options.seconds = settings_.seconds;
    options.improve = settings_.improve;
    options.seed = QRandomGenerator::global()->generate64();
    return options;
}

void FillCommands::Riempi_Click() {
    if (!ready()) return;
    run(" riempimento in corso ... ", [grid = w_.session().grid](const WordTable& table, const FillOptions& o) {
        return Answer{fill(table, grid, o), std::nullopt, {}, grid};
    });
}

void FillCommands::RiempiParola_Click() {
    if (!ready()) return;
    Session& s = w_.session();
    const std::optional<Slot> slot = slotUnderWork(s);
    if (!slot) {
        w_.stb1()->setText(2, " scegliere prima una Riga o una Colonna ");
        MainWindow::beep();
        return;
    }
    w_.rinfresca();
    s.outline = outlineOf(*slot);
    w_.evidenzia();
    run(" ricerca della parola migliore ... ",
        [grid = s.grid, slot = *slot](const WordTable& table, const FillOptions& o) {
            return Answer{{}, slot, fillSlot(table, grid, slot, o, 1), grid};
        });
}

EditorRules FillCommands::editorRules() const {
    return {settings_.rules, settings_.minFamiliarity, settings_.rules ? readBannedWords() : std::vector<std::string>{}};
}

void FillCommands::OpzioniRiempi_Click() {
    if (!dialog_) {
        dialog_ = new FillSettingsDialog(settings_, *w_.session().lexicon, &w_);
        connect(dialog_, &QDialog::accepted, this, [this] {
            tables_.setEditorRules(editorRules());
            UserSettings().setFill(settings_);
        });
    }
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

void FillCommands::run(const QString& runningText, Work work) {
    const std::shared_future<WordTableSource::Table> table = tables_.table(w_.session().lexicon);
    const std::shared_future<WordTableSource::Rules> rules = tables_.rules(w_.session().lexicon);
    busy_->begin(runningText);
    progress_->forget();
    progressTimer_->start();
    job_.start([table, rules, options = engineOptions(), progress = progress_, work](const std::atomic<bool>& stop) {
        FillOptions o = options;
        o.rules = rules.get();
        o.stop = &stop;
        o.progress = [progress](const FillProgress& p) { progress->post(p); };
        return work(*table.get(), o);
    });
}

void FillCommands::stop() {
    if (job_.running()) job_.stop();
}

void FillCommands::showProgress() {
    if (const std::optional<FillProgress> p = progress_->take()) w_.stb1()->setText(2, progressText(*p));
}

void FillCommands::finished(Answer answer) {
    Session& s = w_.session();
    progressTimer_->stop();
    if (busy_->end()) return;
    if (answer.given.gridRows != s.grid.gridRows) {
        // Nothing but a fill may change the grid while busy; should anything
        // have, its answer no longer fits.
        w_.stb1()->setText(2, " interrotto ");
        return;
    }
    if (answer.slot)
        applyWord(*answer.slot, answer.words);
    else
        applyGrid(answer.result);
    if (s.gridModified == 1) emit filled();
}

void FillCommands::applyGrid(const FillResult& result) {
    Session& s = w_.session();
    StatusPanels* stb = w_.stb1();
    if (result.outcome == FillOutcome::Filled) {
        history_.writeAll(changedCells(s.grid, result.grid));
        s.priclk = 0;
        stb->setText(2, " schema riempito ");
        return;
    }
    if (result.outcome == FillOutcome::NoFill)
        stb->setText(2, " nessun riempimento possibile ");
    else
        stb->setText(2, result.timedOut ? " tempo scaduto " : " interrotto ");
    MainWindow::beep();
}

void FillCommands::applyWord(const Slot& slot, const std::vector<SlotWord>& words) {
    Session& s = w_.session();
    if (words.empty()) {
        w_.stb1()->setText(2, " nessun riempimento possibile ");
        MainWindow::beep();
        return;
    }
    const std::string& word = words.front().word;
    std::vector<CellWrite> writes;
    for (int i = 0; i < slot.length && i < int(word.size()); ++i)
        writes.push_back({slot.rowOf(i), slot.colOf(i), word[size_t(i)]});
    s.history.groupMark = ChangeHistory::GROUP_MARK;
    history_.write(writes);
    s.priclk = 0;
    s.outline = outlineOf(slot);
    w_.evidenzia();
    w_.stb1()->setText(2, QStringLiteral(" %1 -%2 ").arg(QString::fromLatin1(word)).arg(words.front().dictionary));
}

}  // namespace quirvo
