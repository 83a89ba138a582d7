#include "gui/app/controllers.h"

#include <QStandardPaths>

#include "gui/app/main_window.h"
#include "gui/app/settings_keeper.h"
#include "gui/app/standard_shortcuts.h"
#include "gui/definitions/clue_service.h"
#include "gui/definitions/definitions_editor.h"
#include "gui/definitions/definitions_panel.h"
#include "gui/dictionary/dictionary_activation.h"
#include "gui/dictionary/dictionary_loading.h"
#include "gui/dictionary/search_commands.h"
#include "gui/display/zoom_commands.h"
#include "gui/editing/grid_keyboard.h"
#include "gui/editing/grid_mouse.h"
#include "gui/editing/history_commands.h"
#include "gui/editing/result_list.h"
#include "gui/editing/suggestion_requests.h"
#include "gui/editing/toolbar_commands.h"
#include "gui/files/document_flow.h"
#include "gui/fill/fill_commands.h"
#include "gui/fill/live_check.h"
#include "gui/fill/suggestion_shading.h"
#include "gui/publish/publish_commands.h"
#include "gui/recovery/recovery_dialog.h"
#include "gui/recovery/recovery_keeper.h"
#include "gui/schema/schema_commands.h"
#include "gui/tools/test_tools.h"

namespace quirvo {

namespace {

// The setter's archive and the like: never the program's own folder.
QString dataFolder(const StartupOptions& options) {
    return options.dataFolder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                                        : options.dataFolder;
}

}  // namespace

Controllers::Controllers(MainWindow& window)
    : zoom_(std::make_unique<ZoomCommands>(window)),
      activation_(std::make_unique<DictionaryActivation>(window)),
      documentFlow_(std::make_unique<DocumentFlow>(window)),
      loading_(std::make_unique<DictionaryLoading>(window, *documentFlow_, *activation_)),
      history_(std::make_unique<HistoryCommands>(window)),
      toolbar_(std::make_unique<ToolbarCommands>(window, *history_)),
      suggestions_(std::make_unique<SuggestionRequests>(window)),
      keyboard_(std::make_unique<GridKeyboard>(window, *history_)),
      mouse_(std::make_unique<GridMouse>(window, *history_, *suggestions_, *keyboard_)),
      results_(std::make_unique<ResultList>(window, *history_)),
      publish_(std::make_unique<PublishCommands>(window, *documentFlow_)),
      search_(std::make_unique<SearchCommands>(window)),
      testTools_(std::make_unique<TestTools>(window, *toolbar_, *documentFlow_)),
      definitions_(std::make_unique<DefinitionsEditor>(window)),
      check_(std::make_unique<LiveCheck>(window, wordTables_)),
      shading_(std::make_unique<SuggestionShading>(window, wordTables_, *check_)),
      fill_(std::make_unique<FillCommands>(window, wordTables_, *history_)),
      schema_(std::make_unique<SchemaCommands>(window, wordTables_, *history_, *documentFlow_)),
      recovery_(std::make_unique<RecoveryKeeper>(window, *documentFlow_, *definitions_)) {
    clues_ = new ClueService(window, *documentFlow_, dataFolder(window.options()));
    new DefinitionsPanel(window, *definitions_, *clues_);  // a dock of the window, which owns it
    shortcuts_ = std::make_unique<StandardShortcuts>(window);
    settings_ = std::make_unique<SettingsKeeper>(window, *documentFlow_);
    QObject::connect(loading_.get(), &DictionaryLoading::loaded, recovery_.get(),
                     [&window, this] { RecoveryDialog::offer(window, *documentFlow_, *recovery_); });
    QObject::connect(fill_.get(), &FillCommands::filled, recovery_.get(), &RecoveryKeeper::writeNow);
    QObject::connect(schema_.get(), &SchemaCommands::kept, recovery_.get(), &RecoveryKeeper::writeNow);
}

Controllers::~Controllers() = default;

}  // namespace quirvo
