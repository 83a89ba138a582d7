#pragma once

#include <QObject>

namespace quirvo {

class DictionaryActivation;
class DocumentFlow;
class MainWindow;

// Timer0_Timer: loads the dictionaries of the program folder once, shortly
// after the main window shows, with the seconds counter running.
class DictionaryLoading : public QObject {
    Q_OBJECT
public:
    DictionaryLoading(MainWindow& window, DocumentFlow& documentFlow, DictionaryActivation& activation);
    void Timer0_Timer();

signals:
    // The dictionaries are in and the window is ready for work.
    void loaded();

private:
    void setUpMenusAndPanels();
    void finish();
    MainWindow& w_;
    DocumentFlow& documentFlow_;
    DictionaryActivation& activation_;
};

}  // namespace quirvo
