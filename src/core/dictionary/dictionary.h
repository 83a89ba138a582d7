#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace quirvo {

// Slots 1..7 hold files; only 1..6 are offered to the user and searched.
inline constexpr int DICT_SLOTS = 7;
inline constexpr int SEARCHABLE_SLOTS = 6;
inline constexpr char LINE_SEP[] = "\r\n";

// Dictionary slots as bits: bit s - 1 stands for slot s (1..6).
using DictMask = uint8_t;
constexpr DictMask slotBit(int slot) { return DictMask(1u << (slot - 1)); }

// One loaded word list, read-only after loading.
struct Dictionary {
    std::string dictFileName;  // "" for an empty slot
    std::string dictText;      // the plain list, lines ended by CR LF
    // 1-based position in dictText of the first entry of each initial
    // ("@" = 0, "A" = 1 .. "Z" = 26); 0 where no entry begins with it.
    std::array<int32_t, 27> dictLetterStart{};
    // Whether loading switches the list on. Later switching happens in the
    // session's flags, never here: a loaded list does not change.
    bool active = false;

    bool present() const { return !dictFileName.empty(); }
    int32_t dictLength() const { return static_cast<int32_t>(dictText.size()); }
};

// Index 0 unused, as slot numbers run from 1.
struct DictionarySet {
    std::array<Dictionary, DICT_SLOTS + 1> bySlot;

    Dictionary& operator[](int slot) { return bySlot[slot]; }
    const Dictionary& operator[](int slot) const { return bySlot[slot]; }
    int loadedCount() const;
};

}  // namespace quirvo
