#pragma once

namespace quirvo {

// Key codes of the grid's keyboard, as the window reports them.
namespace keycode {
inline constexpr int BACKSPACE = 8;
inline constexpr int TAB = 9;
inline constexpr int SPACE = 32;
inline constexpr int LEFT = 37;
inline constexpr int UP = 38;
inline constexpr int RIGHT = 39;
inline constexpr int DOWN = 40;
inline constexpr int FIRST_WRITABLE = 65;  // "A"
inline constexpr int LAST_WRITABLE = 90;  // "Z"
}  // namespace keycode

// What a key does to the grid in the writing modes (3 across, 4 down).
struct KeyEffect {
    enum class Kind { Ignore, Step, Write } kind = Kind::Ignore;
    int incr = 0;   // row step of the cursor
    int incc = 0;   // column step of the cursor
    char carm = 0;  // the cell code to write
};

// The modifier keys held with a key.
struct HeldKeys {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

// Shift+Tab, Shift alone held, goes back. A letter or the space bar held
// with Ctrl or Alt is a command for the window, never a cell to write.
KeyEffect keyEffect(int keyCode, HeldKeys held, int workMode);

// The step after a written letter: across in mode 3, down in mode 4.
inline void writingStep(int workMode, int& incr, int& incc) {
    incr = workMode == 4 ? 1 : 0;
    incc = workMode == 4 ? 0 : 1;
}

}  // namespace quirvo
