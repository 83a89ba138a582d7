#include "gui/fill/check_presenter.h"

#include <QStringList>

#include "core/dictionary/candidates.h"
#include "core/grid/slot.h"

namespace quirvo {

namespace {

constexpr size_t WORDS_SHOWN = 8;

QString kindText(WordKind kind) {
    const std::string_view name = kindName(kind);
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

QString letters(uint32_t bits) {
    QStringList shown;
    for (int x = 0; x < WordTable::LETTERS; ++x)
        if (bits & (1u << x)) shown << QString(QChar('A' + x));
    return shown.isEmpty() ? QStringLiteral("nessuna") : shown.join(' ');
}

std::vector<uint32_t> slotWords(const WordTable& table, DictMask active, const WordRules* rules,
                                const std::string& pattern) {
    return rules ? acceptedCandidates(*rules, pattern, active) : candidates(table, pattern, active).words;
}

QString slotLine(const WordTable& table, DictMask active, const WordRules* rules, const Grid& grid, const Slot& slot) {
    const std::vector<uint32_t> found = slotWords(table, active, rules, slot.pattern(grid));
    const QString heading = slot.direction == Direction::Across ? "Orizzontale" : "Verticale";
    if (found.empty()) return heading + ": nessuna parola";
    QStringList words;
    for (size_t i = 0; i < found.size() && i < WORDS_SHOWN; ++i)
        words << QString::fromLatin1(table.word(slot.length, found[i]));
    if (found.size() > WORDS_SHOWN) words << QString::fromUtf8("…");
    const QString count = found.size() == 1 ? QStringLiteral("1 parola") : QStringLiteral("%1 parole").arg(found.size());
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

QString wordFactsText(const WordFacts& facts, const WordRules* rules, std::string_view word) {
    const uint32_t at = facts.table().find(word);
    const FactRecord fact = facts.find(word);
    QStringList kinds;
    for (int k = 0; k < WORD_KINDS - 1; ++k)
        if (hasKind(fact.kinds, WordKind(k))) kinds << kindText(WordKind(k));
    if (kinds.isEmpty()) kinds << kindText(WordKind::Unknown);
    QString text = QString::fromLatin1(word.data(), int(word.size())) + ": " + kinds.join(", ") +
                   QString::fromUtf8("; familiarità %1").arg(fact.familiarity);
    if (rules && at != WordTable::NOT_FOUND && !rules->accepts(int(word.size()), at))
        text += QString::fromUtf8(" (esclusa dalle Regole della Rivista)");
    return text;
}

QString cellToolTip(const WordTable& table, DictMask active, const WordFacts* facts, const WordRules* rules,
                    const Grid& grid, const InsightReport& report, int row, int col) {
    if (!grid.inside(row, col) || grid.isBlack(row, col)) return {};
    QStringList lines;
    for (Direction d : {Direction::Across, Direction::Down}) {
        const std::optional<Slot> slot = slotAt(grid, row, col, d);
        if (!slot) continue;
        lines << slotLine(table, active, rules, grid, *slot);
        const std::string word = slot->pattern(grid);
        if (facts && word.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") == std::string::npos)
            lines << wordFactsText(*facts, rules, word);
    }
    const size_t at = size_t(row) * size_t(grid.colCount) + size_t(col);
    const std::vector<uint32_t>& allowed = report.consistent ? report.remaining : report.options;
    if (at < allowed.size()) lines << "Lettere possibili: " + letters(allowed[at]);
    return lines.join('\n');
}

}  // namespace quirvo
