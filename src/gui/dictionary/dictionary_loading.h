#pragma once

#include <QObject>

namespace quirvo {

class MainWindow;

// Timer0_Timer: loads the dictionaries of the program folder once, shortly
// after the main window shows, with the seconds counter running.
class DictionaryLoading : public QObject {
    Q_OBJECT
public:
    explicit DictionaryLoading(MainWindow& window);
    void Timer0_Timer();

private:
    void setUpMenusAndPanels();
    void finish();
    MainWindow& w_;
};

}  // namespace quirvo
