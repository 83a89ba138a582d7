#include "gui/editing/toolbar_commands.h"

#include <QLabel>
#include <QPushButton>

#include "gui/app/main_window.h"
#include "gui/app/status_panels.h"
#include "gui/editing/editing_display.h"
#include "gui/editing/history_commands.h"

namespace quirvo {

namespace {

struct ModeTexts {
    const char* title;
    const char* prompt;
};

const ModeTexts GRID_MODES[7] = {
    {" ANNERIRE/SBIANCARE una Casella ", "Click in quella Casella"},
    {" SUGGERIMENTI RIGA ", "Click su Riga o click+trascina Caselle volute"},
    {" SUGGERIMENTI COLONNA ", "Click su Colonna o click+trascina Caselle volute"},
    {" SCRIVERE ORIZZONTALE su più Caselle ", "Click nella prima Casella e digitare di seguito"},
    {" SCRIVERE VERTICALE su più Caselle ", "Click nella prima Casella e digitare di seguito"},
    {" RIPULIRE CASELLA ", "Click in quella Casella"},
    {" SUGGERIMENTI INCROCIO (premere Ctrl per provare solo le vocali)", "Click in quella Casella"},
};

const char* const TEST_TITLES[3] = {
    " ANAGRAMMI di TEST ",
    " SINONIMI/CONTRARI di TEST ",
    " VERIFICA ORTOGRAFICA di TEST ",
};

}  // namespace

ToolbarCommands::ToolbarCommands(MainWindow& window) : w_(window) {
    connect(&w_, &MainWindow::buttonClicked, this, &ToolbarCommands::Tlb1_ButtonClick);
}

void ToolbarCommands::Tlb1_ButtonClick(const QString& key) {
    if (w_.session().busyLevel >= 1) return;
    clearTransientDisplay();
    auto* history = w_.controller<HistoryCommands>();
    history->resetIfFull();

    bool isNumber = false;
    int k = key.mid(1).toInt(&isNumber);
    if (!key.startsWith('a') || !isNumber) k = -1;
    if (k >= 0 && k <= 6)
        chooseGridMode(key, k);
    else if (k == 7)
        history->undo();
    else if (k == 8)
        history->redo();
    else if (k >= 9 && k <= 11)
        runTestTool(key, k);
    w_.pressModeButton();
}

void ToolbarCommands::clearTransientDisplay() {
    StatusPanels* stb = w_.stb1();
    for (int panel = 2; panel <= 4; ++panel) stb->setText(panel, " ");
    for (int n = 1; n <= 4; ++n) w_.command(n)->setEnabled(false);
    clearResultList(w_);
    stb->setTip(2, QString());
}

void ToolbarCommands::chooseGridMode(const QString& key, int mode) {
    Session& s = w_.session();
    s.modeKey = key.toStdString();
    s.workMode = static_cast<int16_t>(mode);
    w_.showModePicture(mode);
    w_.texta()->setPattern(QString());
    w_.stb1()->setText(1, QString::fromUtf8(GRID_MODES[mode].title));
    w_.stb1()->setTip(1, QString::fromUtf8(GRID_MODES[mode].prompt));
}

void ToolbarCommands::runTestTool(const QString& key, int mode) {
    Session& s = w_.session();
    s.modeKey = key.toStdString();
    s.workMode = static_cast<int16_t>(mode);
    w_.update();
    w_.stb1()->setText(1, QString::fromUtf8(TEST_TITLES[mode - 9]));
    emit testToolRequested(mode);
    w_.showTestPicture();
}

}  // namespace quirvo
