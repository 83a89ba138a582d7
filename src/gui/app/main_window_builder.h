#pragma once

class QAction;
class QWidget;

namespace quirvo {

class MainWindow;
class Twips;

// Builds the fixed furniture of the main window: toolbar, menus, headings,
// buttons, result list, grid picture, status bar and timers.
class MainWindowBuilder {
public:
    MainWindowBuilder(MainWindow& window, const Twips& twips) : w_(window), twips_(twips) {}
    void buildMenus();
    void buildToolbar(bool narrow);
    void buildControls();

private:
    void addToolbarButton(const char* key, int image, const char* tip, bool group, bool narrow);
    QAction* addPlaceholder(int widthTwips, QWidget* content);

    MainWindow& w_;
    const Twips& twips_;
};

}  // namespace quirvo
