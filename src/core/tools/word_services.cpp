#include "core/tools/word_services.h"

#include <algorithm>

#include "core/common/text_encoding.h"

namespace quirvo {

namespace {

bool nothingTyped(std::string_view text) { return text.empty() || text == " "; }

WordToolOutcome finished(WordToolOutcome outcome) {
    outcome.acted = true;
    std::sort(outcome.lines.begin(), outcome.lines.end());
    return outcome;
}

}  // namespace

WordToolOutcome sinonimi(LanguageServices* services, std::string_view testText) {
    if (nothingTyped(testText)) return {};
    WordToolOutcome outcome;
    outcome.panel3 = " ";
    const auto info = services ? services->synonymInfo(testText) : std::nullopt;
    if (!info) {
        outcome.panel2 = " nessun Sin./Cont. ";
        outcome.beep = true;
        return finished(std::move(outcome));
    }
    outcome.clearToolTips = true;
    if (info->meaningCount > 0) {
        outcome.lines.push_back(SYNONYM_HEADING);
        for (const std::string& s : info->synonyms) outcome.lines.push_back("=" + upperUtf8(s));
        outcome.lines.push_back(ANTONYM_HEADING);
        for (const std::string& a : info->antonyms) outcome.lines.push_back(">" + upperUtf8(a));
        outcome.panel2 = " " + std::to_string(info->synonyms.size() + info->antonyms.size()) + " Sin./Cont.";
    } else {
        outcome.lines = {" ", " nessun Sin./Cont."};
        outcome.panel2 = " nessun Sin./Cont. ";
        outcome.beep = true;
    }
    return finished(std::move(outcome));
}

WordToolOutcome ortografia(LanguageServices* services, std::string_view testText) {
    if (nothingTyped(testText)) return {};
    WordToolOutcome outcome;
    outcome.panel3 = " ";
    if (testText.find_first_of("?*") != std::string_view::npos) {
        outcome.panel2 = " non valido ";
        return finished(std::move(outcome));
    }
    const auto answer = services ? services->spellingSuggestions(testText) : std::nullopt;
    if (!answer) {
        outcome.panel2 = " nessuna ";
        outcome.beep = true;
    } else if (answer->errorKind == SPELLING_UNKNOWN_WORD) {
        outcome.panel2 = " ERR. Ortografia ";
        // A single proposal is listed like several: it is the one the user wants.
        for (const std::string& s : answer->suggestions) {
            std::string line = upperUtf8(s);
            if (std::find(outcome.lines.begin(), outcome.lines.end(), line) == outcome.lines.end())
                outcome.lines.push_back(std::move(line));
        }
    } else {
        outcome.panel2 = " OK Ortografia ";
        outcome.lines = {" ", " OK Ortografia "};
    }
    return finished(std::move(outcome));
}

}  // namespace quirvo
