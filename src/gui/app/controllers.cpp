#include "gui/app/controllers.h"

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
#include "gui/tools/test_tools.h"

namespace quirvo {

void Controllers::build(MainWindow& window) {
    owned_.push_back(std::make_unique<ZoomCommands>(window));
    owned_.push_back(std::make_unique<DictionaryActivation>(window));
    owned_.push_back(std::make_unique<DictionaryLoading>(window));
    owned_.push_back(std::make_unique<HistoryCommands>(window));
    owned_.push_back(std::make_unique<ToolbarCommands>(window));
    owned_.push_back(std::make_unique<GridMouse>(window));
    owned_.push_back(std::make_unique<GridKeyboard>(window));
    owned_.push_back(std::make_unique<ResultList>(window));
    owned_.push_back(std::make_unique<SuggestionRequests>(window));
    owned_.push_back(std::make_unique<DocumentFlow>(window));
    owned_.push_back(std::make_unique<PublishCommands>(window));
    owned_.push_back(std::make_unique<SearchCommands>(window));
    owned_.push_back(std::make_unique<TestTools>(window));
    auto definitions = std::make_unique<DefinitionsEditor>(window);
    new DefinitionsPanel(window, *definitions);  // a dock of the window, which owns it
    owned_.push_back(std::move(definitions));
    auto check = std::make_unique<LiveCheck>(window, wordTables_);
    owned_.push_back(std::make_unique<SuggestionShading>(window, wordTables_, *check));
    owned_.push_back(std::move(check));
    owned_.push_back(std::make_unique<FillCommands>(window, wordTables_));
}

Controllers::~Controllers() = default;

}  // namespace quirvo
