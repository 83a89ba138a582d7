#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/tools/language_services.h"

namespace quirvo {

// What the synonym or spelling tool shows. When acted is false (an empty
// TEST field or a single blank) nothing changes at all; otherwise the
// window sets the list lines and the texts of status panels 2 and 3 (an
// empty text leaves its panel alone) and beeps when asked.
struct WordToolOutcome {
    bool acted = false;
    std::vector<std::string> lines;  // UTF-8, in the order the sorted list shows them
    std::string panel2;
    std::string panel3;
    bool beep = false;
    bool clearToolTips = false;  // of the list and of status panel 2
};

inline constexpr char SYNONYM_HEADING[] = "=         sinonimi         =";
inline constexpr char ANTONYM_HEADING[] = ">         contrari          <";

// Synonyms of the first meaning of the TEST word, each line "=" and the
// word in upper case, and its antonyms, ">" and the word, under their two
// headings. services may be nullptr (the link is not open): the request
// fails. testText is UTF-8, as typed.
WordToolOutcome sinonimi(LanguageServices* services, std::string_view testText);

// The spelling verdict on the TEST word, with the proposed spellings in
// upper case when it is unknown.
WordToolOutcome ortografia(LanguageServices* services, std::string_view testText);

}  // namespace quirvo
