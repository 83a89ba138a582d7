#pragma once

#include <QCursor>

namespace quirvo {

class MainWindow;

// Small display steps shared by the editing handlers.

// Outlines one cell in red (cx, cy = the cell, LAX = LAY = 1).
void outlineCell(MainWindow& w, int row, int col);
// Empties the result list and clears its tool tip.
void clearResultList(MainWindow& w);
// The grid pointer of the current mode: the mode indicator's picture.
QCursor modePointer(const MainWindow& w);
// The hourglass over the grid and the list while a scan runs, and back.
void setScanPointers(MainWindow& w, bool busy);

}  // namespace quirvo
