#include "gui/fill/suggestion_shading.h"

#include <QListWidget>
#include <QTimer>

#include "core/fill/lookahead.h"
#include "core/fill/word_rules.h"
#include "core/presenting/blocked_text.h"
#include "gui/app/main_window.h"
#include "gui/fill/live_check.h"

namespace quirvo {

namespace {

// Where a transfer writes the lines of the list, as the result list does.
ListPlace placeOfList(const Session& s) {
    if (s.workMode == 1) return {s.outline.cy, s.slot.slotColFirst, Direction::Across};
    return {s.slot.slotRowFirst, s.outline.cx, Direction::Down};
}

}  // namespace

SuggestionShading::SuggestionShading(MainWindow& window, WordTableSource& tables, const LiveCheck& check)
    : w_(window), tables_(tables), check_(check), job_([this](Answer answer) { shade(answer); }) {
    // A list is filled in one go, or line by line: it is read once it is complete.
    connect(w_.lists()->model(), &QAbstractItemModel::rowsInserted, this, [this] {
        if (std::exchange(pending_, true)) return;
        QTimer::singleShot(0, this, &SuggestionShading::listFilled);
    });
}

void SuggestionShading::listFilled() {
    pending_ = false;
    const Session& s = w_.session();
    if ((s.workMode != 1 && s.workMode != 2) || !s.grid.exists()) return;
    const std::shared_future<WordTableSource::Table> table = tables_.table(s.lexicon);
    const std::shared_future<WordTableSource::Rules> rules = tables_.rules(s.lexicon);
    if (!table.valid() || !rules.valid()) return;
    const bool checking = check_.enabled();
    QStringList lines;
    std::vector<std::string> bytes;
    for (int i = 0; i < w_.lists()->count(); ++i) {
        lines << w_.lists()->item(i)->text();
        bytes.push_back(lines.back().toLatin1().toStdString());
    }
    job_.start([table, rules, checking, active = s.activeDictionaries, grid = s.grid, place = placeOfList(s), lines,
                bytes = std::move(bytes), mode = s.workMode](const std::atomic<bool>& stop) {
        Answer answer{lines, {}, {}};
        const WordRules* judged = rules.get().get();
        if (checking)
            for (const BlockedSlots& crossings : deadListLines(*table.get(), active, grid, place, bytes, mode, &stop, judged))
                answer.blocked << QString::fromStdString(blockedSlotsText(grid, crossings));
        if (judged) answer.refused = refusedListLines(*judged, bytes, mode);
        return answer;
    });
}

// The list may have changed since the lines were read: only the same list
// is shaded. A grey line's own tool tip starts with the list's, which it
// hides.
void SuggestionShading::shade(const Answer& answer) {
    QListWidget* list = w_.lists();
    if (list->count() != answer.lines.size()) return;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text() != answer.lines[i]) return;
    const bool checking = check_.enabled() && !answer.blocked.isEmpty();
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem* item = list->item(i);
        const bool dead = checking && !answer.blocked[i].isEmpty();
        if (dead) item->setToolTip(list->toolTip().isEmpty() ? answer.blocked[i] : list->toolTip() + "\n" + answer.blocked[i]);
        if (!answer.refused.empty() && answer.refused[size_t(i)]) item->setForeground(REFUSED_LINE_COLOUR);
        else if (dead) item->setForeground(DEAD_LINE_COLOUR);
    }
}

}  // namespace quirvo
