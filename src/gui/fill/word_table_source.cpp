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

std::shared_future<WordTableSource::Rules> WordTableSource::rules(const LexiconPtr& lexicon) {
    if (lexicon->dictionaries().loadedCount() == 0) return {};
    if (lexicon != rulesLexicon_ || editorRules_ != rulesMade_ || !rules_.valid()) {
        rulesLexicon_ = lexicon;
        rulesMade_ = editorRules_;
        rules_ = std::async(std::launch::async, [lexicon, settings = editorRules_]() -> Rules {
                     const WordFacts* facts = settings.on ? lexicon->facts() : nullptr;
                     if (!facts) return nullptr;
                     struct Held {
                         LexiconPtr lexicon;
                         WordRules rules;
                     };
                     auto held = std::make_shared<const Held>(Held{lexicon, WordRules(*facts, settings)});
                     return Rules(held, &held->rules);
                 }).share();
    }
    return rules_;
}

void WordTableSource::setEditorRules(const EditorRules& rules) {
    if (rules == editorRules_) return;
    editorRules_ = rules;
    emit rulesChanged();
}

}  // namespace quirvo
