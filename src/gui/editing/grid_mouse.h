#pragma once

#include <QObject>

#include "core/editing/run_drag.h"

namespace quirvo {

class GridKeyboard;
class HistoryCommands;
class MainWindow;
class SuggestionRequests;

// The mouse on the grid picture: the cell under the pointer, the run picked
// by dragging in the suggestion modes, and what a click means in each work
// mode.
class GridMouse : public QObject {
    Q_OBJECT
public:
    GridMouse(MainWindow& window, HistoryCommands& history, SuggestionRequests& suggestions,
              const GridKeyboard& keyboard);

    void Peri_MouseDown(Qt::MouseButton button, double x, double y);
    void Peri_MouseMove(Qt::MouseButtons buttons, double x, double y);
    void Peri_MouseUp(Qt::MouseButton button, double x, double y);
    void Peri_Click();

private:
    bool dragMode() const;
    RunDrag::Axis axis() const;
    void hover(double x, double y);
    void dragOver(double x, double y);
    // The part every click runs, whatever the mode; returns the drag it ended.
    DragCut clickCommonPart();
    void blackenOrWhiten();
    void placeWritingCursor();
    void clearCell();

    MainWindow& w_;
    HistoryCommands& history_;
    SuggestionRequests& suggestions_;
    const GridKeyboard& keyboard_;
    RunDrag drag_;
    Qt::MouseButton lastReleased_ = Qt::NoButton;
};

}  // namespace quirvo
