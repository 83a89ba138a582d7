#pragma once

#include <future>
#include <memory>

#include "core/dictionary/word_table.h"

namespace quirvo {

struct DictionarySet;

// The fill engine's word table over the loaded dictionaries. It is built
// once, on a thread of its own, the first time the check or a fill asks for
// it, from a copy of the dictionaries, so the window never waits for it.
class WordTableSource {
public:
    using Table = std::shared_ptr<const WordTable>;

    // Starts the build when the dictionaries are loaded and none has started.
    // Null while there are no dictionaries yet.
    std::shared_future<Table> table(const DictionarySet& dictionaries);

private:
    std::shared_future<Table> table_;
};

}  // namespace quirvo
