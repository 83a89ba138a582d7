#pragma once

#include <QWidget>
#include <optional>

#include "core/document/definitions.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace quirvo {

class ClueService;
class DefinitionsEditor;
class MainWindow;

// Under the list of the "Definizioni" dock: the chosen slot, its
// definition in an editing field, and the suggested definitions for its
// word. A click on a suggestion makes it the definition (one step of the
// dock's undo); Enter in the field makes a draft the setter's own.
class SuggestionBox : public QWidget {
    Q_OBJECT

public:
    SuggestionBox(MainWindow& window, DefinitionsEditor& editor, ClueService& clues, QWidget* parent);

    // The slot to show; none for a definition without a slot or no choice.
    void showSlot(std::optional<SlotKey> key);
    QLineEdit* field() const { return field_; }
    QListWidget* suggestions() const { return list_; }

private:
    void refresh();
    void fillSuggestions(const std::string& word);
    void addNote(const QString& text);
    void commit(bool confirm);
    void picked(QListWidgetItem* item);

    MainWindow& w_;
    DefinitionsEditor& editor_;
    ClueService& clues_;
    QLabel* heading_;
    QLineEdit* field_;
    QListWidget* list_;
    std::optional<SlotKey> key_;
    std::string shownWord_;
};

}  // namespace quirvo
