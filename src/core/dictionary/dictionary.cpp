#include "core/dictionary/dictionary.h"

namespace quirvo {

int DictionarySet::loadedCount() const {
    int n = 0;
    for (int slot = 1; slot <= DICT_SLOTS && bySlot[slot].present(); ++slot) ++n;
    return n;
}

}  // namespace quirvo
