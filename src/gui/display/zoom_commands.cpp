#include "gui/display/zoom_commands.h"

#include <QAction>

#include "core/common/rounding.h"
#include "gui/app/main_window.h"

namespace quirvo {

ZoomCommands::ZoomCommands(MainWindow& window) : w_(window) {
    connect(w_.menuItem("Ingrandisci"), &QAction::triggered, this, &ZoomCommands::Ingrandisci_Click);
    connect(w_.menuItem("Riduci"), &QAction::triggered, this, &ZoomCommands::Riduci_Click);
    connect(w_.menuItem("Originali"), &QAction::triggered, this, &ZoomCommands::Originali_click);
    // The check mark is inverted here, not by Qt, so a busy click changes nothing.
    QAction* numerare = w_.menuItem("Numerare");
    connect(numerare, &QAction::triggered, this, [numerare, this](bool checked) {
        numerare->setChecked(!checked);
        Numerare_Click();
    });
}

void ZoomCommands::zoom(double factor) {
    GridMetrics& m = w_.session().metrics;
    // Sizes are 16-bit: a cell that would no longer fit ends the command.
    if (m.dimv * factor > 32767 || m.dimo * factor > 32767) return;
    // Below a few pixels a cell is unreadable: reducing stops there.
    if (roundHalfEven(m.dimv * factor) < MIN_CELL_TWIPS) return;
    m.dimv = roundHalfEven(m.dimv * factor);
    m.dimo = roundHalfEven(m.dimo * factor);
    m.dimLet *= factor;
    m.dimNum *= factor;
    if (!w_.resizeGridPicture()) return;
    w_.fitLetterFont();
    w_.rinfresca();
}

void ZoomCommands::Ingrandisci_Click() { zoom(1.1); }

void ZoomCommands::Riduci_Click() { zoom(0.9); }

// Back to the size a set-up gives the grid in the window as it now is.
void ZoomCommands::Originali_click() {
    w_.applyInitialCellSize();
    if (!w_.resizeGridPicture()) return;
    w_.fitLetterFont();
    w_.rinfresca();
}

void ZoomCommands::Numerare_Click() {
    if (w_.session().busyLevel >= 1) return;
    QAction* numerare = w_.menuItem("Numerare");
    numerare->setChecked(!numerare->isChecked());
    w_.numera();
}

}  // namespace quirvo
