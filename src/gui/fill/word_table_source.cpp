#include "gui/fill/word_table_source.h"

#include "core/dictionary/dictionary.h"

namespace quirvo {

std::shared_future<WordTableSource::Table> WordTableSource::table(const DictionarySet& dictionaries) {
    if (table_.valid() || dictionaries.loadedCount() == 0) return table_;
    table_ = std::async(std::launch::async, [copy = dictionaries]() -> Table {
                 return std::make_shared<const WordTable>(copy);
             }).share();
    return table_;
}

}  // namespace quirvo
