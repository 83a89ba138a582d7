#pragma once

#include <QDockWidget>
#include <QPointer>
#include <optional>
#include <vector>

#include "core/document/definitions.h"
#include "gui/definitions/definitions_editor.h"

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace quirvo {

class ClueService;
class DraftAllCommand;
class MainWindow;
class SuggestionBox;

// "Definizioni": the dock beside the grid listing every slot under
// "ORIZZONTALI" and "VERTICALI" with its number, its letters and its
// definition, editable in place, then the definitions that lost their slot;
// the grid's statistics head it. A row clicked outlines its slot; a cell
// clicked in a write or suggestion mode selects the rows of its slots.
// Under the list, the chosen slot's definition and its suggestions;
// "Definisci Tutto" drafts every empty definition, shown in italics until
// edited. Hidden, it does no work; it catches up when shown.
class DefinitionsPanel : public QDockWidget {
    Q_OBJECT

public:
    DefinitionsPanel(MainWindow& window, DefinitionsEditor& editor, ClueService& clues);

    QTreeWidget* list() const { return list_; }
    QLabel* statistics() const { return statistics_; }
    SuggestionBox* suggestionBox() const { return box_; }
    QPushButton* draftAllButton() const { return draftAll_; }
    // The rows of the slots running through a cell become the selection.
    void selectCell(int row, int col);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // What a row stands for: a slot (with its length, for the outline) or
    // the orphan at an index.
    struct RowKey {
        SlotKey key;
        int length = 0;
        int orphan = -1;
        friend bool operator==(const RowKey&, const RowKey&) = default;
    };
    void refresh();
    void rebuild(const std::vector<std::vector<RowKey>>& keys);
    void fillTexts();
    std::vector<std::vector<RowKey>> currentKeys() const;
    void edited(QTreeWidgetItem* item, int column);
    void picked(QTreeWidgetItem* item);
    void chosen(QTreeWidgetItem* item);
    std::optional<RowKey> keyOf(const QTreeWidgetItem* item) const;

    MainWindow& w_;
    QPointer<DefinitionsEditor> editor_;
    QLabel* statistics_;
    QTreeWidget* list_;
    QTreeWidgetItem* groups_[3] = {};
    SuggestionBox* box_;
    QPushButton* draftAll_;
    DraftAllCommand* draftCommand_;
    std::vector<std::vector<RowKey>> keys_;
    bool filling_ = false;
    bool rebuildPending_ = false;
};

}  // namespace quirvo
