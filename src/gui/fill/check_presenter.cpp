#include "gui/fill/check_presenter.h"

#include <QStringList>

#include "core/dictionary/candidates.h"
#include "core/grid/slot.h"

namespace quirvo {

namespace {

constexpr size_t WORDS_SHOWN = 8;

QString letters(uint32_t bits) {
    QStringList shown;
    for (int x = 0; x < WordTable::LETTERS; ++x)
        if (bits & (1u << x)) shown << QString(QChar('A' + x));
    return shown.isEmpty() ? QStringLiteral("nessuna") : shown.join(' ');
}

QString slotLine(const WordTable& table, DictMask active, const Grid& grid, const Slot& slot) {
    const Candidates found = candidates(table, slot.pattern(grid), active);
    const QString heading = slot.direction == Direction::Across ? "Orizzontale" : "Verticale";
    if (found.words.empty()) return heading + ": nessuna parola";
    QStringList words;
    for (size_t i = 0; i < found.words.size() && i < WORDS_SHOWN; ++i)
        words << QString::fromLatin1(table.word(slot.length, found.words[i]));
    if (found.words.size() > WORDS_SHOWN) words << QString::fromUtf8("…");
    const QString count = found.words.size() == 1 ? QStringLiteral("1 parola")
                                                  : QStringLiteral("%1 parole").arg(found.words.size());
    return heading + ": " + count + " (" + words.join(", ") + ")";
}

}  // namespace

CheckMarks checkMarks(const InsightReport& report) {
    CheckMarks marks;
    for (const CellLetter& cell : report.dead) marks.deadCells.emplace_back(cell.row, cell.col);
    for (const SlotInsight& slot : slotInsights(report))
        if (slot.candidates == 0) marks.emptySlots.push_back(slot.slot);
    for (const CellLetter& cell : report.forced) marks.forced.push_back({cell.row, cell.col, cell.letter});
    return marks;
}

QString checkPanelText(const InsightReport& report) {
    const size_t dead = report.dead.size();
    if (dead == 1) return " 1 casella senza soluzione ";
    if (dead > 1) return QStringLiteral(" %1 caselle senza soluzione ").arg(dead);
    if (!report.consistent) return " schema bloccato ";
    return " nessun conflitto ";
}

QString cellToolTip(const WordTable& table, DictMask active, const Grid& grid, const InsightReport& report,
                    int row, int col) {
    if (!grid.inside(row, col) || grid.isBlack(row, col)) return {};
    QStringList lines;
    for (Direction d : {Direction::Across, Direction::Down})
        if (const std::optional<Slot> slot = slotAt(grid, row, col, d)) lines << slotLine(table, active, grid, *slot);
    const size_t at = size_t(row) * size_t(grid.colCount) + size_t(col);
    const std::vector<uint32_t>& allowed = report.consistent ? report.remaining : report.options;
    if (at < allowed.size()) lines << "Lettere possibili: " + letters(allowed[at]);
    return lines.join('\n');
}

}  // namespace quirvo
