#pragma once

#include <cstdint>
#include <string>

namespace quirvo {

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

// Where the user is and what the window is doing: the cursor, the work
// mode, the slot under work, a transfer the result list may still take
// back, the file commands held back by the save-changes prompt, and the
// busy and stop flags of a running scan.
struct EditorState {
    int16_t curRow = 0, curCol = 0;
    SlotState slot;

    int16_t workMode = 9;
    std::string modeKey = "a9";
    int16_t busyLevel = 0;
    int16_t stopRequest = 0;
    int16_t priclk = 0;  // 1 while the latest history group is a provisional transfer

    int16_t saveAsPending = 0;
    int16_t exitAfterSave = 0, newAfterSave = 0, openAfterSave = 0;
    std::string chooserFolder;
};

}  // namespace quirvo
