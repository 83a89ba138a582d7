#include "gui/definitions/suggestion_box.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "core/clues/suggestions.h"
#include "core/grid/cell_codes.h"
#include "core/grid/numbering.h"
#include "gui/app/main_window.h"
#include "gui/definitions/clue_service.h"
#include "gui/definitions/definitions_editor.h"
#include "gui/document/grid_document.h"

namespace quirvo {

namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

std::optional<Slot> slotStartingAt(const Grid& grid, SlotKey key) {
    std::optional<Slot> slot = slotAt(grid, key.row, key.col, key.direction);
    if (slot && (slot->row != key.row || slot->col != key.col)) slot.reset();
    return slot;
}

}  // namespace

SuggestionBox::SuggestionBox(MainWindow& window, DefinitionsEditor& editor, ClueService& clues, QWidget* parent)
    : QWidget(parent), w_(window), editor_(editor), clues_(clues) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    heading_ = new QLabel(this);
    heading_->setObjectName("ParolaScelta");
    field_ = new QLineEdit(this);
    field_->setObjectName("CampoDefinizione");
    field_->setPlaceholderText("Definizione della parola scelta");
    auto* caption = new QLabel("Suggerimenti (un click per usarne uno):", this);
    list_ = new QListWidget(this);
    list_->setObjectName("Suggerimenti");
    layout->addWidget(heading_);
    layout->addWidget(field_);
    layout->addWidget(caption);
    layout->addWidget(list_, 1);

    connect(field_, &QLineEdit::returnPressed, this, [this] { commit(true); });
    connect(field_, &QLineEdit::editingFinished, this, [this] { commit(false); });
    connect(list_, &QListWidget::itemClicked, this, &SuggestionBox::picked);
    connect(&editor, &DefinitionsEditor::changed, this, &SuggestionBox::refresh);
    connect(&window.document(), &GridDocument::cellsChanged, this, &SuggestionBox::refresh);
    connect(&clues, &ClueService::prepared, this, [this] {
        shownWord_.clear();
        refresh();
    });
    refresh();
}

void SuggestionBox::showSlot(std::optional<SlotKey> key) {
    if (key == key_) return;
    key_ = key;
    shownWord_.clear();
    field_->setModified(false);
    refresh();
}

void SuggestionBox::refresh() {
    const Session& s = w_.session();
    const std::optional<Slot> slot = key_ ? slotStartingAt(s.grid, *key_) : std::nullopt;
    setEnabled(slot.has_value());
    if (!slot) {
        heading_->setText("Scegliere una parola nell'elenco");
        field_->clear();
        list_->clear();
        shownWord_.clear();
        return;
    }
    const int number = numberCells(s.grid)[size_t(slot->row) * size_t(s.grid.colCount) + size_t(slot->col)];
    const std::string word = slot->pattern(s.grid);
    heading_->setText(QString("%1 %2: %3")
                          .arg(number)
                          .arg(slot->direction == Direction::Across ? "orizzontale" : "verticale", q(word)));
    const Definition* d = s.definitions.find(*key_);
    if (!field_->isModified()) field_->setText(d ? q(d->text) : QString());
    QFont font = field_->font();
    font.setItalic(d && d->draft);
    field_->setFont(font);
    if (word != shownWord_) fillSuggestions(word);
}

void SuggestionBox::fillSuggestions(const std::string& word) {
    list_->clear();
    shownWord_ = word;
    if (!allLetters(word)) {
        addNote("Completare la parola per avere suggerimenti.");
        return;
    }
    const bool ready = clues_.prepare();
    const Session& s = w_.session();
    const std::vector<Suggestion> all = suggestDefinitions(clues_.sources(), s.grid, *slotStartingAt(s.grid, *key_));
    for (const Suggestion& g : all) {
        auto* item = new QListWidgetItem(q(g.text), list_);
        QString tip = QString::fromUtf8(suggestionKindName(g.kind).data(), int(suggestionKindName(g.kind).size()));
        if (!g.source.empty()) tip += " di " + q(g.source);
        item->setToolTip(tip);
        item->setData(Qt::UserRole, q(g.text));
    }
    // Not ready yet: the list is filled again when the sources are.
    if (!ready) {
        addNote("Preparazione dei suggerimenti in corso...");
    } else if (all.empty()) {
        addNote("Nessun suggerimento per questa parola.");
    }
}

void SuggestionBox::addNote(const QString& text) {
    auto* item = new QListWidgetItem(text, list_);
    item->setFlags(Qt::NoItemFlags);
}

void SuggestionBox::commit(bool confirm) {
    if (!key_ || (!confirm && !field_->isModified())) return;
    field_->setModified(false);
    editor_.setText(*key_, field_->text());
}

void SuggestionBox::picked(QListWidgetItem* item) {
    const QVariant text = item ? item->data(Qt::UserRole) : QVariant();
    if (!key_ || !text.isValid()) return;
    field_->setModified(false);
    editor_.setText(*key_, text.toString());
}

}  // namespace quirvo
