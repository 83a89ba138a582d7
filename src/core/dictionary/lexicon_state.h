#pragma once

#include "core/dictionary/lexicon.h"

namespace quirvo {

// The loaded lexicon, shared and never changed, beside what the user may
// change while it is in use: which dictionaries are switched on and the
// two search options. A search is handed both halves.
struct LexiconState {
    LexiconPtr lexicon = std::make_shared<const Lexicon>();  // empty until loading ends; never null
    DictMask activeDictionaries = 0;
    bool accorcia = true;  // "Lunghezza Libera"
    bool estesa = true;    // "Ricerca Estesa"; start-up toggles it off once

    // Makes the loaded lists the lexicon; those that loading switched on are on.
    void installLexicon(DictionarySet loaded, std::shared_ptr<const FactsFile> facts = nullptr);
    bool dictionaryActive(int slot) const { return (activeDictionaries & slotBit(slot)) != 0; }
    void setDictionaryActive(int slot, bool on);
};

}  // namespace quirvo
