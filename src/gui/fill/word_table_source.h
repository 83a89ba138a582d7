#pragma once

#include <future>
#include <memory>

#include "core/dictionary/lexicon.h"

namespace quirvo {

// The fill engine's word table: the lexicon's own, made on a thread of its
// own the first time the check or a fill asks for it (about a second for
// the default dictionaries), so the window never waits for it.
class WordTableSource {
public:
    // Holds the lexicon alive for as long as the table is used.
    using Table = std::shared_ptr<const WordTable>;

    // Starts making the table of this lexicon unless it is made or under
    // way. Invalid while nothing is loaded.
    std::shared_future<Table> table(const LexiconPtr& lexicon);

private:
    LexiconPtr lexicon_;  // the one table_ belongs to
    std::shared_future<Table> table_;
};

}  // namespace quirvo
