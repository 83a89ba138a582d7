#pragma once

#include <QObject>

namespace quirvo {

class MainWindow;

// The "Visualizza" menu: zoom in, out and back, and the cell numbers.
class ZoomCommands : public QObject {
    Q_OBJECT
public:
    explicit ZoomCommands(MainWindow& window);
    static constexpr int MIN_CELL_TWIPS = 90;

    void Ingrandisci_Click();
    void Riduci_Click();
    void Originali_click();
    void Numerare_Click();

private:
    void zoom(double factor);
    MainWindow& w_;
};

}  // namespace quirvo
