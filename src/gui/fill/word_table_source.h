#pragma once

#include <QObject>
#include <future>
#include <memory>

#include "core/dictionary/lexicon.h"
#include "core/fill/editor_rules.h"
#include "core/fill/word_rules.h"

namespace quirvo {

// The words the check and the fill work with: the lexicon's word table, and
// the editor's rules worked out over its facts as the setter set them.
// Each is made on a thread of its own the first time it is asked for (about
// a second for the default dictionaries), so the window never waits.
class WordTableSource : public QObject {
    Q_OBJECT
public:
    // Each holds the lexicon alive for as long as it is used.
    using Table = std::shared_ptr<const WordTable>;
    using Rules = std::shared_ptr<const WordRules>;

    // Starts making the table of this lexicon unless it is made or under
    // way. Invalid while nothing is loaded.
    std::shared_future<Table> table(const LexiconPtr& lexicon);
    // The rules over this lexicon as set now; they hold null when the
    // setter switched them off or the lexicon has no facts. Invalid while
    // nothing is loaded.
    std::shared_future<Rules> rules(const LexiconPtr& lexicon);

    const EditorRules& editorRules() const { return editorRules_; }
    void setEditorRules(const EditorRules& rules);

signals:
    void rulesChanged();

private:
    LexiconPtr lexicon_;  // the one table_ belongs to
    std::shared_future<Table> table_;
    EditorRules editorRules_;
    LexiconPtr rulesLexicon_;  // the one rules_ belongs to, made with rulesMade_
    EditorRules rulesMade_;
    std::shared_future<Rules> rules_;
};

}  // namespace quirvo
