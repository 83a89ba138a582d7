// The grid picture's drawing procedures of the main window.
#include <QAction>
#include <QLabel>
#include <QScrollArea>

#include "core/common/rounding.h"
#include "core/grid/cell_codes.h"
#include "gui/app/main_window.h"
#include "gui/app/status_panels.h"
#include "gui/display/grid_view.h"

namespace quirvo {

void MainWindow::rinfresca() {
    Grid& g = session_.grid;
    for (int r = 0; r < g.rowCount; ++r)
        for (int c = 0; c < g.colCount; ++c)
            if (g.cell(r, c) == ALT_BLACK_CELL) g.setCell(r, c, BLACK_CELL);
    peri_->clearOverlays();
    numera();
    emit gridRefreshed();
}

void MainWindow::numera() { peri_->setNumbersShown(menuItem("Numerare")->isChecked()); }

void MainWindow::evidenzia() {
    const Outline& o = session_.outline;
    peri_->addOutline(QRectF(o.cx, o.cy, o.LAX, o.LAY), QColor(255, 0, 0));
    // A grid larger than its room scrolls to the first cell of what is outlined.
    const double w = peri_->cellWidth(), h = peri_->cellHeight();
    periArea_->ensureVisible(int(1 + (o.cx + 0.5) * w), int(1 + (o.cy + 0.5) * h), int(w), int(h));
    peri_->repaint();
}

void MainWindow::nuovoschema() {
    if (session_.busyLevel >= 1) return;
    releaseAllButtons();
    if (session_.grid.rowCount != 0 || session_.grid.colCount != 0) {
        rinfresca();
        showTestPicture();
    }
}

bool MainWindow::resizeGridPicture() {
    const GridMetrics& m = session_.metrics;
    const Grid& g = session_.grid;
    if (int(m.dimv) * g.colCount >= 32766 || int(m.dimo) * g.rowCount >= 32766) return false;
    // The cells start one pixel in, and the last line (x = colCount, y =
    // rowCount) needs a pixel of its own beyond them.
    peri_->resize(twips_.toPixelsX(m.dimv * g.colCount) + 2, twips_.toPixelsY(m.dimo * g.rowCount) + 2);
    peri_->setCellSize(m.dimv * twips_.pixelsPerTwipX(), m.dimo * twips_.pixelsPerTwipY());
    return true;
}

void MainWindow::fitLetterFont() {
    GridMetrics& m = session_.metrics;
    while (peri_->letterHeightInCells(m.dimLet) > 1.0 && m.dimLet > MIN_LETTER_POINTS)
        m.dimLet *= 0.99;
}

void MainWindow::inizio() {
    disponi();
    menuItem("Numerare")->setChecked(true);
    setGridToolsEnabled(true);
    peri_->setVisible(true);
    // disponi put the grid's room at (orx - 1, ory - 1); the grid starts
    // at its corner, at the size that fits it.
    periArea_->ensureVisible(0, 0);
    applyInitialCellSize();
    resizeGridPicture();
    fitLetterFont();
    rinfresca();
    session_.history.clear();
    button("a7")->setEnabled(false);
    button("a8")->setEnabled(false);
    stb1_->setText(1, " Per lavorare nel Cruciverba usare i Bottoni in alto a destra ");
    for (int panel = 2; panel <= 4; ++panel) stb1_->setText(panel, " ");
    stb1_->setRaised(2, true);
    emit gridStarted();
}

}  // namespace quirvo
