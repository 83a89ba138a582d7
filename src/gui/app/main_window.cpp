#include "gui/app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QScreen>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaMethod>
#include <QTimer>
#include <QToolBar>

#include "gui/app/controllers.h"
#include "gui/app/help_window.h"
#include "gui/app/italian_translations.h"
#include "gui/app/main_window_builder.h"
#include "gui/app/pictures.h"
#include "gui/app/status_panels.h"

// The help pages are compiled into this static library: its resources must
// be registered by name, or the linker may drop them from the program.
static void initResources() { Q_INIT_RESOURCE(quirvo); }

namespace quirvo {

MainWindow::MainWindow(StartupOptions options, QWidget* parent)
    : QMainWindow(parent), options_(std::move(options)), twips_(options_.screenTwips) {
    setObjectName("Form1");
    initResources();
    installItalianTranslations(*qApp);
    placeOnScreen();
    const bool narrow = twips_.screenWidth() < 12000;
    session_.Im2 = narrow ? -1 : 0;
    MainWindowBuilder builder(*this, twips_);
    builder.buildMenus();
    builder.buildToolbar(narrow);
    builder.buildControls();
    connect(tlb1_, &QToolBar::actionTriggered, this, [this](QAction* action) {
        if (action->objectName().isEmpty()) return;
        pressModeButton();
        emit buttonClicked(action->objectName());
    });
    connect(&document_, &GridDocument::cellsChanged, this, &MainWindow::rinfresca);
    connect(stb1_, &StatusPanels::panelClicked, this, &MainWindow::stb1PanelClick);
    connect(timer2_, &QTimer::timeout, this, &MainWindow::timer2Timer);
    connect(menuItem("AiutoF1"), &QAction::triggered, this, [this] { setHelpContext(1000); });
    qApp->installEventFilter(this);
    controllers_ = std::make_unique<Controllers>(*this);
    formLoad();
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
}

void MainWindow::formLoad() {
    for (QAction* action : std::as_const(buttons_)) action->setEnabled(false);
    showTestPicture();
    setWindowTitle("  QUIRVO   ");
    menuItem("Estesa")->trigger();
    session_.modeKey = "a9";
    session_.workMode = 9;
    session_.busyLevel = 0;
    session_.stopRequest = 0;
    session_.priclk = 0;
    disponi();
    stb1_->setText(2, " Attendi ...                            ");
    setBusyPointer(true);
    timer0_->start();
    setHelpContext(1000);
    session_.programFolder = QDir::currentPath().toStdString();
}

// The page of what the key reached, else the help context. A modal window
// (the print preview) would block a help window of the main window, so it
// owns its own.
void MainWindow::showHelp(const QWidget* at) {
    const QString page = helpPageAt(at);
    QWidget* owner = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : this;
    if (page.isEmpty())
        HelpWindow::showContext(owner, helpContext_);
    else
        HelpWindow::showPage(owner, page);
}

// Whether the widget is in this window or in a window it owns.
bool MainWindow::owns(const QWidget* widget) const {
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (w == this) return true;
    return false;
}

// The program shows the window maximised; un-maximised it comes back as a
// window well inside the screen, centred on it, with room around it for
// the frame and title bar the window manager adds, however small the
// screen.
void MainWindow::placeOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize size = area.size() * 85 / 100;
    QRect placed(QPoint(), size);
    placed.moveCenter(area.center());
    setGeometry(placed);
}

QAction* MainWindow::menuItem(const QString& name) const {
    return findChild<QAction*>(name);
}

void MainWindow::stb1PanelClick(int panel) {
    if (panel == 2) {
        if (session_.busyLevel >= 1) session_.stopRequest = 1;
    } else if (panel == 7 || panel == 8) {
        menuItem("Estesa")->trigger();
    } else if (panel >= 11 && panel <= 16) {
        menuItem(QStringLiteral("d%1").arg(panel - 10))->trigger();
    }
}

void MainWindow::timer2Timer() {
    secCar_->setVisible(true);
    secCar_->setText(QString::number(secCar_->text().toInt() + 1));
}

void MainWindow::showModePicture(int mode) {
    imageA_->setPixmap(modePicture(mode, 32, devicePixelRatioF()));
    imageA_->setProperty("mode", mode);
}

void MainWindow::setPicture1Visible(bool visible) { picture1Slot_->setVisible(visible); }

void MainWindow::showTestPicture() { showModePicture(-1); }

void MainWindow::setCaptionFile(const QString& fileText) { setWindowTitle("  QUIRVO   " + fileText); }

void MainWindow::setGridToolsEnabled(bool enabled) {
    for (int k = 0; k <= 8; ++k) button(QStringLiteral("a%1").arg(k))->setEnabled(enabled);
}

void MainWindow::releaseAllButtons() {
    for (int k = 0; k <= 12; ++k) button(QStringLiteral("a%1").arg(k))->setChecked(false);
}

void MainWindow::pressModeButton() {
    const QString key = QString::fromStdString(session_.modeKey);
    for (int k = 0; k <= 6; ++k) {
        QAction* b = button(QStringLiteral("a%1").arg(k));
        b->setChecked(b->objectName() == key);
    }
}

void MainWindow::setBusyPointer(bool busy) {
    if (busy)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

void MainWindow::beep() { QApplication::beep(); }

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!isSignalConnected(QMetaMethod::fromSignal(&MainWindow::closeRequested))) {
        event->accept();
        return;
    }
    event->ignore();
    if (session_.busyLevel <= 0) emit closeRequested();
}

namespace {

// The zoom item of a key pressed with Ctrl, or null. The "+" of the main
// keyboard needs Shift on some layouts (the US one) and not on others (the
// Italian one); "=" is the unshifted key that bears it on the US layout.
// The keypad's keys count as well; Alt and any other key do not.
const char* zoomItem(const QKeyEvent& key) {
    const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
    const bool keypad = key.modifiers() & Qt::KeypadModifier;
    if (mods == (Qt::ControlModifier | Qt::ShiftModifier) && !keypad)
        return key.key() == Qt::Key_Plus ? "Ingrandisci" : nullptr;
    if (mods != Qt::ControlModifier) return nullptr;
    switch (key.key()) {
    case Qt::Key_0: return "Originali";
    case Qt::Key_Plus: return "Ingrandisci";
    case Qt::Key_Equal: return keypad ? nullptr : "Ingrandisci";
    case Qt::Key_Minus: return "Riduci";
    default: return nullptr;
    }
}

}  // namespace

// F1 acts in every window of the program, the zoom keys in the main
// window whichever control has the focus.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // The window resizing, a dock shown, hidden or resized: the central
    // area changes size and everything in it is placed again.
    if (watched == centralWidget() && event->type() == QEvent::Resize && lists_->property("placed").toBool())
        placeControls();
    if (event->type() != QEvent::KeyPress) return QMainWindow::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (widget && key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier && owns(widget)) {
        showHelp(widget);
        return true;
    }
    if (!widget || widget->window() != this) return false;
    const char* item = zoomItem(*static_cast<QKeyEvent*>(event));
    if (!item) return false;
    menuItem(item)->trigger();
    return true;
}

}  // namespace quirvo
