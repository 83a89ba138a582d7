#include "gui/fill/fill_commands.h"

#include <QAction>
#include <QCloseEvent>
#include <QRandomGenerator>
#include <QTimer>
#include <mutex>

#include "core/grid/change_history.h"
#include "gui/app/main_window.h"
#include "gui/app/status_panels.h"
#include "gui/editing/editing_display.h"
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

std::vector<CellWrite> changedCells(const Grid& from, const Grid& to) {
    std::vector<CellWrite> changes;
    for (int r = 0; r < from.rowCount; ++r)
        for (int c = 0; c < from.colCount; ++c)
            if (to.cell(r, c) != from.cell(r, c)) changes.push_back({r, c, to.cell(r, c)});
    return changes;
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

// Where the worker leaves its latest progress for the window's timer.
struct FillCommands::Shared {
    std::mutex mutex;
    FillProgress progress;
    bool fresh = false;
};

FillCommands::FillCommands(MainWindow& window, WordTableSource& tables, HistoryCommands& history)
    : w_(window),
      tables_(tables),
      history_(history),
      shared_(std::make_shared<Shared>()),
      job_([this](Answer answer) { finished(std::move(answer)); }) {
    connect(w_.menuItem("Riempi"), &QAction::triggered, this, &FillCommands::Riempi_Click);
    connect(w_.menuItem("RiempiParola"), &QAction::triggered, this, &FillCommands::RiempiParola_Click);
    connect(w_.menuItem("OpzioniRiempi"), &QAction::triggered, this, &FillCommands::OpzioniRiempi_Click);
    connect(w_.stb1(), &StatusPanels::panelClicked, this, [this](int panel) {
        if (panel == 2) stop();
    });
    escape_ = new QAction(this);
    escape_->setShortcut(Qt::Key_Escape);
    escape_->setShortcutContext(Qt::WindowShortcut);
    escape_->setEnabled(false);
    connect(escape_, &QAction::triggered, this, &FillCommands::stop);
    w_.addAction(escape_);
    tables_.setEditorRules(editorRules());
    progressTimer_ = new QTimer(this);
    progressTimer_->setInterval(PROGRESS_MS);
    connect(progressTimer_, &QTimer::timeout, this, &FillCommands::showProgress);
    w_.installEventFilter(this);
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
        connect(dialog_, &QDialog::accepted, this, [this] { tables_.setEditorRules(editorRules()); });
    }
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

void FillCommands::run(const QString& runningText, Work work) {
    Session& s = w_.session();
    const std::shared_future<WordTableSource::Table> table = tables_.table(s.lexicon);
    const std::shared_future<WordTableSource::Rules> rules = tables_.rules(s.lexicon);
    s.busyLevel = 2;
    s.stopRequest = 0;
    setScanPointers(w_, true);
    w_.stb1()->setText(2, runningText);
    w_.stb1()->setText(3, " ");
    w_.stb1()->setTip(2, "Click qui o Esc per interrompere");
    {
        std::lock_guard lock(shared_->mutex);
        shared_->fresh = false;
    }
    escape_->setEnabled(true);
    progressTimer_->start();
    job_.start([table, rules, options = engineOptions(), shared = shared_, work](const std::atomic<bool>& stop) {
        FillOptions o = options;
        o.rules = rules.get();
        o.stop = &stop;
        o.progress = [shared](const FillProgress& p) {
            std::lock_guard lock(shared->mutex);
            shared->progress = p;
            shared->fresh = true;
        };
        return work(*table.get(), o);
    });
}

void FillCommands::stop() {
    if (job_.running()) job_.stop();
}

void FillCommands::showProgress() {
    std::lock_guard lock(shared_->mutex);
    if (!shared_->fresh) return;
    shared_->fresh = false;
    w_.stb1()->setText(2, progressText(shared_->progress));
}

void FillCommands::finished(Answer answer) {
    Session& s = w_.session();
    progressTimer_->stop();
    escape_->setEnabled(false);
    s.busyLevel = 0;
    s.stopRequest = 0;
    setScanPointers(w_, false);
    w_.stb1()->setTip(2, QString());
    if (std::exchange(closeAsked_, false)) {
        w_.stb1()->setText(2, " interrotto ");
        QTimer::singleShot(0, &w_, &QWidget::close);
        return;
    }
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

// Closing now would end the program under the running fill: the fill is
// stopped and the close repeated once it has answered.
bool FillCommands::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &w_ && event->type() == QEvent::Close && job_.running()) {
        closeAsked_ = true;
        job_.stop();
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quirvo
