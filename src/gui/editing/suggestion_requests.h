#pragma once

#include <QObject>

#include "core/editing/drag_cut.h"

namespace quirvo {

class MainWindow;

// The grid clicks that ask the dictionaries: a row slot (mode 1) or a
// column slot (mode 2) for the slot search, an empty cell (mode 6) for the
// letters that fit both its words. The engine does the work; this class
// shows the slot before the scan, keeps the window live during it, and
// shows the outcome.
class SuggestionRequests : public QObject {
    Q_OBJECT
public:
    explicit SuggestionRequests(MainWindow& window);

    void slotClick(const DragCut& cut);
    void crossingClick(bool vocali);

private:
    MainWindow& w_;
};

}  // namespace quirvo
