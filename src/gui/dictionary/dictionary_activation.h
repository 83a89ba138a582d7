#pragma once

#include <QObject>
#include <QPointer>

namespace quirvo {

class MainWindow;

// Switching dictionaries 2..6 on and off, and the two search options
// "Lunghezza Libera" and "Ricerca Estesa", from the menu and the status bar.
class DictionaryActivation : public QObject {
    Q_OBJECT
public:
    explicit DictionaryActivation(MainWindow& window);

    void dClick(int slot);  // d1_Click .. d6_Click
    void Accorcia_Click();
    void Estesa_click();
    void mostradiz();
    void Indirdiz_Click();

private:
    MainWindow& w_;
    QPointer<class DictionaryViewer> viewer_;
};

}  // namespace quirvo
