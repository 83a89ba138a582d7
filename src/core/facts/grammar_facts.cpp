#include "core/facts/grammar_facts.h"

#include <array>

#include "core/common/text_encoding.h"
#include "core/facts/data_lists.h"
#include "core/facts/letters.h"
#include "core/facts/roman_numerals.h"
#include "core/facts/text_lines.h"

namespace quirvo {

namespace {

std::optional<WordKind> kindNamed(std::string_view key) {
    for (int k = 0; k < WORD_KINDS; ++k)
        if (kindKey(WordKind(k)) == key) return WordKind(k);
    return std::nullopt;
}

struct FeminineEnding {
    std::string_view feminine, masculine;
};
constexpr std::array<FeminineEnding, 6> TRADES{{
    {"AIA", "AIO"}, {"TRICE", "TORE"}, {"IERA", "IERE"}, {"ARIA", "ARIO"}, {"ESSA", "E"}, {"ESSA", "A"},
}};

}  // namespace

void addFunctionWords(std::string_view list, FactSheet& sheet) {
    for (const std::string& entry : readWordList(list))
        if (const auto word = letterWord(entry)) sheet.addKind(*word, WordKind::FunctionWord, "", FactSource::Grammar);
}

bool addAuxiliaryVerbs(std::string_view list, FactSheet& sheet) {
    for (const auto& [key, forms] : readKeyedList(list)) {
        const size_t blank = key.find(' ');
        const auto lemma = letterWord(key.substr(0, blank));
        const auto kind = blank == std::string::npos ? std::nullopt : kindNamed(key.substr(blank + 1));
        if (!lemma || !kind) return false;
        forEachField(forms, [&](std::string_view form) {
            if (const auto word = letterWord(form)) sheet.addKind(*word, *kind, *lemma, FactSource::Grammar);
        });
    }
    return true;
}

bool addTruncations(std::string_view list, FactSheet& sheet) {
    for (const auto& [form, whole] : readKeyedList(list)) {
        const auto word = letterWord(form), lemma = letterWord(whole);
        if (!word || !lemma) return false;
        sheet.markTruncated(*word, *lemma, FactSource::Grammar);
    }
    return true;
}

void addRomanNumerals(FactSheet& sheet) {
    for (uint32_t i = 0; i < sheet.size(); ++i)
        if (const std::string_view word = sheet.word(i); isRomanNumeral(word)) {
            sheet.addKind(word, WordKind::Roman, "", FactSource::Grammar);
            if (word.size() <= 3) sheet.raiseFloor(word, SHORT_ROMAN_FAMILIARITY);
        }
}

void addWordList(std::string_view text, FactSheet& sheet) {
    forEachLine(text, [&](std::string_view line) {
        const auto word = letterWord(line);
        if (!word) return;
        WordHint hint = WordHint::PlainWord;
        if (lowerUtf8(line) != line) hint = upperUtf8(line) == line ? WordHint::Capitals : WordHint::Capitalised;
        sheet.addSource(*word, FactSource::WordList);
        sheet.addHint(*word, hint);
    });
}

void relinkFeminineNouns(FactSheet& sheet) {
    for (uint32_t i = 0; i < sheet.size(); ++i) {
        const std::string_view word = sheet.word(i);
        if (!hasKind(sheet.kinds(i), WordKind::Noun) || sheet.lemma(i) != word) continue;
        for (const FeminineEnding& e : TRADES) {
            if (!word.ends_with(e.feminine) || word.size() < e.feminine.size() + 3) continue;
            const std::string masculine = std::string(word.substr(0, word.size() - e.feminine.size())) + std::string(e.masculine);
            const uint32_t m = sheet.at(masculine);
            if (m != FactSheet::NONE && hasKind(sheet.kinds(m), WordKind::Noun) && sheet.lemma(m) == masculine) {
                sheet.relinkLemma(word, masculine);
                break;
            }
        }
    }
}

}  // namespace quirvo
