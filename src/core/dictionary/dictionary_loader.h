#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/common/progress.h"
#include "core/dictionary/dictionary.h"
#include "core/dictionary/diz_codec.h"

namespace quirvo {

inline constexpr char BASE_DICTIONARY[] = "base.diz";
// Out-of-order entries get a box each up to this many over the whole load;
// the rest are counted in one closing box.
inline constexpr int MAX_ORDER_WARNING_BOXES = 5;

inline constexpr char MISSING_BASE_MESSAGE[] = "... manca il dizionario obbligatorio: base.diz !";
inline constexpr char DIZ_FAILURE_MESSAGE[] = "... errori nel richiamo dei dizionari *.diz !";

// What the window shows after loading: a fatal error ("Errore ..." box,
// then the program ends) or warnings ("Attenzione..." boxes, in order).
struct LoadReport {
    bool fatal = false;
    std::string fatalMessage;
    std::string fatalFile;  // the file behind a fatal error, "" when none
    std::vector<std::string> warnings;
    bool stopped = false;  // the Progress asked to stop; nothing is loaded
};

// Fills slots 1..7 from the dictionary files of programFolder: "base.diz"
// in slot 1, the other *.diz in byte order of their names, then the *.dic.
// Extensions are matched exactly (lower case). Slots 1..6 start active.
// A .diz that cannot be read or decoded is fatal; a .dic that cannot be
// read is skipped with a warning. Nothing in the folder is written.
LoadReport loadDictionaries(const std::string& programFolder, DictionarySet& out, Progress& progress);

// The plain list of one dictionary file exactly as the loader uses it: a
// .diz is decoded, then any list is mended by preparePlainList.
struct PlainListResult {
    DizError error = DizError::None;
    std::string text;
};
PlainListResult plainListFromFile(std::string_view fileName, std::string bytes, Progress* progress = nullptr);

// The warning for one entry out of order, and the closing one for the rest.
std::string orderWarningText(std::string_view entry);
std::string orderSummaryText(int more, const std::vector<std::string>& fileNames);

}  // namespace quirvo
