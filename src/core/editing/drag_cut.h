#pragma once

#include <cstdint>

namespace quirvo {

// What the drag that ended in a grid click left behind: whether the button
// went down and up on different cells, where the dragged run starts (0 when
// there was no drag) and its far corner.
struct DragCut {
    bool erablu = false;
    int16_t x1blu = 0, y1blu = 0;
    int16_t x2o = 0, y2o = 0;
};

}  // namespace quirvo
