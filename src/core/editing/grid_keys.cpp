#include "core/editing/grid_keys.h"

#include "core/grid/cell_codes.h"

namespace quirvo {

KeyEffect keyEffect(int keyCode, HeldKeys held, int workMode) {
    KeyEffect effect;
    if (workMode != 3 && workMode != 4) return effect;
    const bool shiftOnly = held.shift && !held.ctrl && !held.alt;
    if (keyCode == keycode::TAB && shiftOnly) keyCode = keycode::BACKSPACE;
    auto step = [&effect](int incr, int incc) {
        effect.kind = KeyEffect::Kind::Step;
        effect.incr = incr;
        effect.incc = incc;
        return effect;
    };
    switch (keyCode) {
    case keycode::BACKSPACE:
    case keycode::LEFT: return step(0, -1);
    case keycode::TAB:
    case keycode::RIGHT: return step(0, 1);
    case keycode::UP: return step(-1, 0);
    case keycode::DOWN: return step(1, 0);
    default: break;
    }
    if (held.ctrl || held.alt) return effect;
    if (keyCode == keycode::SPACE ||
        (keyCode >= keycode::FIRST_WRITABLE && keyCode <= keycode::LAST_WRITABLE)) {
        effect.kind = KeyEffect::Kind::Write;
        effect.carm = keyCode == keycode::SPACE ? EMPTY_CELL : static_cast<char>(keyCode);
    }
    return effect;
}

}  // namespace quirvo
