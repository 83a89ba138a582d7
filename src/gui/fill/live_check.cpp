#include "gui/fill/live_check.h"

#include <QAction>
#include <QHelpEvent>
#include <QToolTip>
#include <cmath>
#include <mutex>

#include "gui/app/help_window.h"
#include "gui/app/main_window.h"
#include "gui/app/status_panels.h"
#include "gui/display/grid_view.h"
#include "gui/fill/check_presenter.h"

namespace quirvo {

struct LiveCheck::Engine {
    std::mutex mutex;
    WordTableSource::Table table;
    DictMask active = 0;
    WordTableSource::Rules rules;
    std::optional<Insight> insight;

    InsightReport check(const Answer& a, const std::atomic<bool>& stop) {
        std::lock_guard lock(mutex);
        if (!insight || table != a.table || active != a.active || rules != a.rules) {
            insight.reset();
            table = a.table;
            active = a.active;
            rules = a.rules;
            insight.emplace(*table, active, rules);
        }
        return insight->check(a.grid, &stop);
    }
};

LiveCheck::LiveCheck(MainWindow& window, WordTableSource& tables)
    : w_(window),
      tables_(tables),
      engine_(std::make_shared<Engine>()),
      job_([this](Answer answer) { show(std::move(answer)); }) {
    connect(&w_, &MainWindow::gridRefreshed, this, &LiveCheck::gridChanged);
    connect(w_.menuItem("Controllo"), &QAction::toggled, this, &LiveCheck::toggled);
    setHelpPage(w_.menuItem("Controllo"), "controllo.html");
    for (int slot = 1; slot <= SEARCHABLE_SLOTS; ++slot)
        connect(w_.menuItem(QStringLiteral("d%1").arg(slot)), &QAction::triggered, this, &LiveCheck::gridChanged);
    connect(&tables_, &WordTableSource::rulesChanged, this, [this] {
        requested_.reset();
        gridChanged();
    });
    w_.peri()->installEventFilter(this);
}

bool LiveCheck::enabled() const { return w_.menuItem("Controllo")->isChecked(); }

void LiveCheck::gridChanged() {
    const Session& s = w_.session();
    if (!enabled() || !s.grid.exists()) return;
    const DictMask active = s.activeDictionaries;
    if (requested_ && requested_->gridRows == s.grid.gridRows && requestedActive_ == active) return;
    const std::shared_future<WordTableSource::Table> table = tables_.table(s.lexicon);
    const std::shared_future<WordTableSource::Rules> rules = tables_.rules(s.lexicon);
    if (!table.valid() || !rules.valid()) return;
    requested_ = s.grid;
    requestedActive_ = active;
    job_.start([engine = engine_, table, rules, lexicon = s.lexicon, grid = s.grid,
                active](const std::atomic<bool>& stop) {
        Answer answer{grid, active, {}, table.get(), rules.get(), lexicon->facts()};
        answer.report = engine->check(answer, stop);
        return answer;
    });
}

void LiveCheck::toggled(bool on) {
    if (on) {
        gridChanged();
        return;
    }
    job_.discard();
    requested_.reset();
    clearMarks();
}

void LiveCheck::clearMarks() {
    shown_.reset();
    w_.peri()->setCheckMarks({});
    w_.stb1()->checkPanel()->clear();
}

bool LiveCheck::current() const {
    return shown_ && shown_->grid.gridRows == w_.session().grid.gridRows;
}

void LiveCheck::show(Answer answer) {
    if (!enabled() || answer.report.stopped) return;
    w_.peri()->setCheckMarks(checkMarks(answer.report));
    w_.stb1()->checkPanel()->setText(checkPanelText(answer.report));
    shown_ = std::move(answer);
    emit answered();
}

bool LiveCheck::eventFilter(QObject* watched, QEvent* event) {
    if (watched == w_.peri() && event->type() == QEvent::ToolTip) return showToolTip(event);
    return QObject::eventFilter(watched, event);
}

// Without a check for the grid as it stands the picture has no tip at all.
bool LiveCheck::showToolTip(QEvent* event) {
    auto* help = static_cast<QHelpEvent*>(event);
    if (!enabled() || !current()) {
        QToolTip::hideText();
        return true;
    }
    const QPointF at = w_.peri()->toCells(help->pos());
    const QString tip = cellToolTip(*shown_->table, shown_->active, shown_->facts, shown_->rules.get(), shown_->grid,
                                    shown_->report, int(std::floor(at.y())), int(std::floor(at.x())));
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, w_.peri());
    return true;
}

}  // namespace quirvo
