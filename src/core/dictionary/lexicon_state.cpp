#include "core/dictionary/lexicon_state.h"

namespace quirvo {

void LexiconState::installLexicon(DictionarySet loaded, std::shared_ptr<const FactsFile> facts) {
    activeDictionaries = activeMask(loaded);
    lexicon = std::make_shared<const Lexicon>(std::move(loaded), std::move(facts));
}

void LexiconState::setDictionaryActive(int slot, bool on) {
    if (on) activeDictionaries |= slotBit(slot);
    else activeDictionaries &= DictMask(~slotBit(slot));
}

}  // namespace quirvo
