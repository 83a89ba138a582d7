#include "core/dictionary/lexicon_state.h"

namespace quirvo {

void LexiconState::installLexicon(DictionarySet loaded) {
    activeDictionaries = activeMask(loaded);
    lexicon = std::make_shared<const Lexicon>(std::move(loaded));
}

void LexiconState::setDictionaryActive(int slot, bool on) {
    if (on) activeDictionaries |= slotBit(slot);
    else activeDictionaries &= DictMask(~slotBit(slot));
}

}  // namespace quirvo
