#pragma once

#include <QHash>
#include <QMainWindow>
#include <memory>

#include "core/session.h"
#include "gui/app/controllers.h"
#include "gui/app/pattern_label.h"
#include "gui/app/startup_options.h"
#include "gui/app/twips.h"
#include "gui/document/grid_document.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollArea;
class QTimer;
class QToolBar;

namespace quirvo {

class GridView;
class StatusPanels;

// Form1: the one main window. It owns the Session and the fixed furniture
// (toolbar, status bar, headings, result list, grid picture); the behaviour
// behind menus, buttons and the grid lives in the controllers, which reach
// the furniture through the accessors below.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(StartupOptions options = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    Session& session() { return session_; }
    // Every change to cells goes through it; the picture follows its signal.
    GridDocument& document() { return document_; }
    const StartupOptions& options() const { return options_; }

    GridView* peri() const { return peri_; }
    StatusPanels* stb1() const { return stb1_; }
    QListWidget* lists() const { return lists_; }
    PatternLabel* texta() const { return texta_; }
    QLineEdit* textb() const { return textb_; }
    QPushButton* command(int n) const { return commands_[n - 1]; }  // Command1..Command4
    QAction* button(const QString& key) const { return buttons_.value(key); }  // "a0".."a12"
    QAction* menuItem(const QString& name) const;  // by objectName: "Nuovo", "d3", ...
    QTimer* timer0() const { return timer0_; }
    QTimer* timer2() const { return timer2_; }
    QLabel* label0() const { return label0_; }
    QLabel* secCar() const { return secCar_; }
    QLabel* picture1() const { return picture1_; }
    void setPicture1Visible(bool visible);
    QLabel* imageA() const { return imageA_; }

    // Drawing of the grid picture.
    void rinfresca();
    void numera();
    void evidenzia();
    void nuovoschema();
    void inizio();
    void disponi();
    // Places the controls from the window's own size; disponi and every
    // resize of the window call it.
    void placeControls();
    // The cell size and fonts a grid set-up starts from: cells of screen
    // width x 0.03, or smaller cells and fonts in proportion when the grid
    // would not fit between its corner and the window's right edge and
    // status bar.
    void applyInitialCellSize();
    // Sizes the picture from dimv, dimo and the grid; false (and nothing
    // resized) when a side would reach the 16-bit limit of 32766 twips.
    bool resizeGridPicture();
    // Shrinks dimLet until "A" fits in one cell, down to MIN_LETTER_POINTS.
    void fitLetterFont();
    static constexpr double MIN_LETTER_POINTS = 1.0;

    // The mode indicator: a grid mode's picture (0..6) or the TEST picture.
    void showModePicture(int mode);
    void showTestPicture();
    void setCaptionFile(const QString& fileText);  // "  QUIRVO   " + fileText
    void setGridToolsEnabled(bool enabled);        // "a0".."a8"
    void releaseAllButtons();                      // "a0".."a12" shown released
    void pressModeButton();                        // radio look of "a0".."a6" from modeKey
    void setBusyPointer(bool busy);
    static void beep();

    // The context F1 opens the help at: the one of the "Aiuto F1" menu item.
    int helpContext() const { return helpContext_; }
    void setHelpContext(int context) { helpContext_ = context; }
    // Opens the help at the page of what the widget belongs to, else at
    // the help context.
    void showHelp(const QWidget* at = nullptr);

    const Twips& twips() const { return twips_; }
    const Controllers& controllers() const { return *controllers_; }

signals:
    // A toolbar button with a key was clicked (after the pressed looks of
    // "a0".."a6" were restored from modeKey).
    void buttonClicked(const QString& key);
    // Asked to close (window close box): the document flow decides.
    void closeRequested();
    // rinfresca ran: every change of the grid ends with it.
    void gridRefreshed();
    // A new or opened grid has been set up on screen.
    void gridStarted();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class MainWindowBuilder;
    void placeOnScreen();
    bool owns(const QWidget* widget) const;
    void formLoad();
    void stb1PanelClick(int panel);
    void timer2Timer();
    QSize clientSize() const;
    int clientHeight() const;
    int listHeight(double topTwips) const;
    void placeButtonRow(double topTwips);
    void placeModePicture();
    QSize gridRoom() const;  // pixels from the grid's corner to the right edge and the status bar

    StartupOptions options_;
    Twips twips_;
    Session session_;
    GridDocument document_{session_};
    GridView* peri_ = nullptr;
    QScrollArea* periArea_ = nullptr;  // scrolls the grid once it is larger than its room
    StatusPanels* stb1_ = nullptr;
    QListWidget* lists_ = nullptr;
    QToolBar* tlb1_ = nullptr;
    QLabel* label0_ = nullptr;
    QLabel* secCar_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label3_ = nullptr;
    PatternLabel* texta_ = nullptr;
    QLineEdit* textb_ = nullptr;
    QLabel* picture1_ = nullptr;
    QAction* picture1Slot_ = nullptr;
    QLabel* imageA_ = nullptr;
    QPushButton* commands_[4] = {};
    QTimer* timer0_ = nullptr;
    QTimer* timer2_ = nullptr;
    QHash<QString, QAction*> buttons_;
    int helpContext_ = 1000;
    std::unique_ptr<Controllers> controllers_;
};

}  // namespace quirvo
