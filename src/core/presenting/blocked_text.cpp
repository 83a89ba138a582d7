#include "core/presenting/blocked_text.h"

#include "core/grid/numbering.h"

namespace quirvo {

namespace {

// "l'" before the numbers whose Italian name starts with a vowel: uno,
// otto, undici, the ottanta and the ottocento.
std::string withArticle(int number) {
    const std::string digits = std::to_string(number);
    const bool vowel = number == 1 || number == 11 || digits.front() == '8';
    return (vowel ? "l'" : "il ") + digits;
}

}  // namespace

std::string blockedSlotsText(const Grid& grid, const BlockedSlots& crossings) {
    if (crossings.empty()) return {};
    const std::vector<int> numbers = numberCells(grid);
    std::string text = "Blocca ";
    for (size_t i = 0; i < crossings.size(); ++i) {
        if (i > 0) text += i + 1 == crossings.size() ? " e " : ", ";
        text += withArticle(numbers[size_t(crossings[i].row) * size_t(grid.colCount) + size_t(crossings[i].col)]);
    }
    return text + (crossings.front().direction == Direction::Across ? " Orizzontale" : " Verticale");
}

}  // namespace quirvo
