#include "gui/fill/word_table_source.h"

namespace quirvo {

std::shared_future<WordTableSource::Table> WordTableSource::table(const LexiconPtr& lexicon) {
    if (lexicon->dictionaries().loadedCount() == 0) return {};
    if (lexicon != lexicon_) {
        lexicon_ = lexicon;
        table_ = std::async(std::launch::async, [lexicon]() -> Table {
                     return Table(lexicon, &lexicon->words());
                 }).share();
    }
    return table_;
}

}  // namespace quirvo
