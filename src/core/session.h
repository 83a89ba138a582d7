#pragma once

#include <cstdint>
#include <string>

#include "core/dictionary/dictionary.h"
#include "core/dictionary/search_index.h"
#include "core/document/definitions.h"
#include "core/grid/change_history.h"
#include "core/grid/grid.h"

namespace quirvo {

// Geometry and fonts of the grid picture, in twips and points.
struct GridMetrics {
    int16_t orx = 0, ory = 0;    // top-left corner of the grid picture
    int16_t dimv = 0, dimo = 0;  // one cell, horizontally and vertically
    double dlx = 0.25, dly = 0.25;  // letter offset inside a cell, in cells
    double dnx = 0.05, dny = 0.02;  // number offset inside a cell, in cells
    double dimLet = 15;  // letter size, points
    double dimNum = 7;   // number size, points
};

// The slot outlined in red and the one outlined last.
struct Outline {
    int16_t cx = 0, cy = 0, LAX = 0, LAY = 0;
};

// The slot under work and the bookkeeping of free ends and shortening.
struct SlotState {
    int16_t slotColFirst = 0, slotColLast = 0;
    int16_t slotRowFirst = 0, slotRowLast = 0;
    std::string slotPattern;
    std::string slotFull;
    std::string headCut, tailCut;
    std::string testom;
    std::string savedFull;
    int16_t autoTail = 0;
};

// Everything the windows share about the crossword and the program's
// activity. Owned by the main window and handed by reference; there are no
// globals.
struct Session {
    Grid grid;
    Definitions definitions;  // the setter's definitions of the grid's words
    int16_t curRow = 0, curCol = 0;
    SlotState slot;

    int16_t workMode = 9;
    std::string modeKey = "a9";
    int16_t busyLevel = 0;
    int16_t stopRequest = 0;

    std::string programFolder;
    std::string filePath;
    int16_t gridModified = 0;
    int16_t saveAsPending = 0;
    int16_t exitAfterSave = 0, newAfterSave = 0, openAfterSave = 0;
    std::string chooserFolder;

    ChangeHistory history;

    DictionarySet dictionaries;
    SearchIndexes searchIndexes;  // built after loading; the searches refresh stale ones
    bool accorcia = true;  // "Lunghezza Libera"
    bool estesa = true;    // "Ricerca Estesa"; start-up toggles it off once

    int16_t resultCount = 0;
    int16_t itemCounter = 0;
    std::string wordDocPath;
    int16_t wordItalian = 0;

    GridMetrics metrics;
    Outline outline;      // cx, cy, LAX, LAY
    Outline lastOutline;  // cxo, cyo, LAXo, LAYo
    int16_t Im2 = 0;      // -1 on narrow screens (small toolbar pictures)
    int16_t priclk = 0;   // 1 while the latest history group is a provisional transfer
};

}  // namespace quirvo
