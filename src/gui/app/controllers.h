#pragma once

#include <memory>

#include "gui/fill/word_table_source.h"

namespace quirvo {

class ClueService;
class DefinitionsEditor;
class DictionaryActivation;
class DictionaryLoading;
class DocumentFlow;
class FillCommands;
class GridKeyboard;
class GridMouse;
class HistoryCommands;
class LiveCheck;
class MainWindow;
class PublishCommands;
class RecoveryKeeper;
class ResultList;
class SchemaCommands;
class SearchCommands;
class SettingsKeeper;
class StandardShortcuts;
class SuggestionRequests;
class SuggestionShading;
class TestTools;
class ToolbarCommands;
class ZoomCommands;

// Owns the behaviour objects behind the main window's menus, buttons and
// grid. Each is built with the window and the others it works with, so a
// controller is built after those it is handed; each wires itself to the
// window's furniture when built.
class Controllers {
public:
    explicit Controllers(MainWindow& window);
    ~Controllers();

    DocumentFlow& documentFlow() const { return *documentFlow_; }
    ToolbarCommands& toolbar() const { return *toolbar_; }
    GridKeyboard& keyboard() const { return *keyboard_; }
    PublishCommands& publish() const { return *publish_; }
    LiveCheck& liveCheck() const { return *check_; }
    RecoveryKeeper& recovery() const { return *recovery_; }

private:
    WordTableSource wordTables_;  // shared by the grid check and the fill
    std::unique_ptr<ZoomCommands> zoom_;
    std::unique_ptr<DictionaryActivation> activation_;
    std::unique_ptr<DocumentFlow> documentFlow_;
    std::unique_ptr<DictionaryLoading> loading_;
    std::unique_ptr<HistoryCommands> history_;
    std::unique_ptr<ToolbarCommands> toolbar_;
    std::unique_ptr<SuggestionRequests> suggestions_;
    std::unique_ptr<GridKeyboard> keyboard_;
    std::unique_ptr<GridMouse> mouse_;
    std::unique_ptr<ResultList> results_;
    std::unique_ptr<PublishCommands> publish_;
    std::unique_ptr<SearchCommands> search_;
    std::unique_ptr<TestTools> testTools_;
    std::unique_ptr<DefinitionsEditor> definitions_;
    ClueService* clues_;  // a child of the window, which its dock and dialogs need
    std::unique_ptr<LiveCheck> check_;
    std::unique_ptr<SuggestionShading> shading_;
    std::unique_ptr<FillCommands> fill_;
    std::unique_ptr<SchemaCommands> schema_;
    std::unique_ptr<RecoveryKeeper> recovery_;
    // Over the menus and the definitions panel, made once those are.
    std::unique_ptr<StandardShortcuts> shortcuts_;
    std::unique_ptr<SettingsKeeper> settings_;
};

}  // namespace quirvo
