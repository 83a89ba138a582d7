#include "core/document/document.h"

#include <gtest/gtest.h>

#include "../support/ascii_grid.h"

namespace quirvo {
namespace {

using Cells = std::vector<std::pair<int, int>>;

// Each case starts from a saved, unmodified document.
TEST(Document, EditsGoThroughTheRecorderAndMarkTheDocumentOnlyWhenAccepted) {
    struct Case {
        std::vector<CellWrite> writes;
        bool modified;
        Cells changed;
        int historyPos;
        const char* row0;
    };
    const Case cases[] = {
        {{{0, 1, 'A'}, {0, 0, 'C'}, {1, 1, 'O'}}, true, {{0, 1}, {1, 1}}, 6, "CASA"},
        {{{0, 0, 'C'}}, false, {}, 0, "C?SA"},
        {{}, false, {}, 0, "C?SA"},
        {{{0, 3, '?'}, {0, 3, 'A'}}, true, {{0, 3}, {0, 3}}, 6, "C?SA"},
    };
    for (const Case& k : cases) {
        Document d;
        d.grid = testing::asciiGrid({"C?SA", "#???"});
        const WriteOutcome out = writeCells(d, k.writes);
        EXPECT_EQ(d.gridModified, k.modified ? 1 : 0) << k.row0;
        EXPECT_EQ(out.record.recorded, k.modified);
        EXPECT_EQ(out.changedCells, k.changed);
        EXPECT_EQ(d.history.historyPos, k.historyPos);
        EXPECT_EQ(d.grid.gridRows[0], k.row0);
    }
}

}  // namespace
}  // namespace quirvo
