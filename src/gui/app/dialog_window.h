#pragma once

class QWidget;

namespace quirvo {

// Makes a window of the program a tool window of its parent: the window
// manager keeps it above the main window, and each time it opens it is
// centred over the main window instead of wherever the manager puts it.
void makeDialogWindow(QWidget* dialog);

}  // namespace quirvo
