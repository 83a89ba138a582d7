#pragma once

#include <QObject>
#include <memory>

#include "core/dictionary/lexicon.h"
#include "core/tools/word_link.h"

namespace quirvo {

class AnagramIndex;
class DocumentFlow;
class MainWindow;
class ToolbarCommands;

// The TEST field's tools: anagrams from the base dictionary, and synonyms
// and spelling through the link to the Italian speller and thesaurus that
// the menu item FunWord opens and closes.
class TestTools : public QObject {
    Q_OBJECT
public:
    TestTools(MainWindow& window, ToolbarCommands& toolbar, DocumentFlow& documentFlow,
              LanguageDataPaths paths = {});
    ~TestTools() override;

    void anagrammi();
    void sinonimi();
    void ortografia();
    void FunWord_click();
    void chiudiword();

private:
    void applyLink(const LinkOutcome& outcome);
    MainWindow& w_;
    WordLink link_;
    std::unique_ptr<AnagramIndex> anagramIndex_;  // over the base text of anagramLexicon_
    LexiconPtr anagramLexicon_;
};

}  // namespace quirvo
