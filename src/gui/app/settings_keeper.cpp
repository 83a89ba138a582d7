#include "gui/app/settings_keeper.h"

#include <QAction>
#include <QDockWidget>

#include "gui/app/main_window.h"
#include "gui/app/user_settings.h"
#include "gui/files/document_flow.h"

namespace quirvo {

namespace {

constexpr int STATE_VERSION = 1;

}  // namespace

SettingsKeeper::SettingsKeeper(MainWindow& window, DocumentFlow& flow) : w_(window) {
    const UserSettings settings;
    QAction* check = w_.menuItem("Controllo");
    check->setChecked(settings.liveCheck());
    connect(check, &QAction::toggled, this, [](bool on) { UserSettings().setLiveCheck(on); });
    w_.restoreState(settings.windowState(), STATE_VERSION);
    for (QDockWidget* dock : w_.findChildren<QDockWidget*>()) {
        connect(dock, &QDockWidget::visibilityChanged, this, &SettingsKeeper::keepWindowState);
        connect(dock, &QDockWidget::topLevelChanged, this, &SettingsKeeper::keepWindowState);
        connect(dock, &QDockWidget::dockLocationChanged, this, &SettingsKeeper::keepWindowState);
    }
    // A dock's size changes without a signal; the end of the run keeps it.
    connect(&flow, &DocumentFlow::ending, this, &SettingsKeeper::keepWindowState);
}

void SettingsKeeper::keepWindowState() { UserSettings().setWindowState(w_.saveState(STATE_VERSION)); }

}  // namespace quirvo
