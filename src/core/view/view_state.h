#pragma once

#include <cstdint>

namespace quirvo {

// Geometry and fonts of the grid picture, in twips and points.
struct GridMetrics {
    int16_t orx = 0, ory = 0;    // top-left corner of the grid picture
    int16_t dimv = 0, dimo = 0;  // one cell, horizontally and vertically
    double dlx = 0.25, dly = 0.25;  // letter offset inside a cell, in cells
    double dnx = 0.05, dny = 0.02;  // number offset inside a cell, in cells
    double dimLet = 15;  // letter size, points
    double dimNum = 7;   // number size, points
};

// A rectangle of cells: first column and row, width and height in cells.
struct Outline {
    int16_t cx = 0, cy = 0, LAX = 0, LAY = 0;
};

// How the grid is shown: its geometry, the slot outlined in red, and the
// size of the toolbar pictures.
struct ViewState {
    GridMetrics metrics;
    Outline outline;  // cx, cy, LAX, LAY
    int16_t Im2 = 0;  // -1 on narrow screens (small toolbar pictures)
};

}  // namespace quirvo
