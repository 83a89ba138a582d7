#pragma once

#include <QObject>

namespace quirvo {

class DocumentFlow;
class MainWindow;

// Gives the window back what it kept from the last run, the grid check on
// or off and the place, size and showing of its docks, and keeps them as
// they change and when the program ends.
class SettingsKeeper : public QObject {
    Q_OBJECT
public:
    SettingsKeeper(MainWindow& window, DocumentFlow& flow);

private:
    void keepWindowState();
    MainWindow& w_;
};

}  // namespace quirvo
