#include "gui/definitions/definitions_editor.h"

#include <QUndoStack>
#include <functional>

#include "core/session.h"
#include "gui/app/main_window.h"
#include "gui/document/grid_document.h"

namespace quirvo {

namespace {

// One edited definition: the definitions before and after it. Undo and redo
// put one back and let it follow the grid as it stands by then.
class DefinitionEdit : public QUndoCommand {
public:
    DefinitionEdit(Session& s, Definitions before, const QString& name, std::function<void()> done)
        : s_(s), before_(std::move(before)), after_(s.definitions), done_(std::move(done)) {
        setText(name);
    }
    void undo() override { apply(before_); }
    void redo() override { apply(after_); }

private:
    void apply(const Definitions& d) {
        s_.definitions = d;
        s_.definitions.follow(s_.grid);
        s_.gridModified = 1;
        done_();
    }
    Session& s_;
    Definitions before_, after_;
    std::function<void()> done_;
};

}  // namespace

DefinitionsEditor::DefinitionsEditor(MainWindow& window)
    : w_(window), s_(window.session()), stack_(new QUndoStack(this)) {
    connect(&w_.document(), &GridDocument::cellsChanged, this, &DefinitionsEditor::follow);
    connect(&w_, &MainWindow::gridStarted, this, &DefinitionsEditor::restart);
}

const Definitions& DefinitionsEditor::definitions() const { return s_.definitions; }

void DefinitionsEditor::setText(SlotKey key, const QString& text) {
    const std::optional<Slot> slot = slotAt(s_.grid, key.row, key.col, key.direction);
    if (!slot || slot->row != key.row || slot->col != key.col) return;
    const std::string utf8 = text.trimmed().toStdString();
    const Definition* now = s_.definitions.find(key);
    if ((now ? now->text : std::string()) == utf8 && !(now && now->draft)) return;
    const Definitions before = s_.definitions;
    s_.definitions.set(s_.grid, *slot, utf8);
    record(before, "definizione");
}

void DefinitionsEditor::draftAll(const std::vector<std::pair<SlotKey, std::string>>& drafts) {
    const Definitions before = s_.definitions;
    for (const auto& [key, text] : drafts) {
        const std::optional<Slot> slot = slotAt(s_.grid, key.row, key.col, key.direction);
        if (slot && slot->row == key.row && slot->col == key.col && !s_.definitions.find(key) && !text.empty())
            s_.definitions.set(s_.grid, *slot, text, true);
    }
    if (!(s_.definitions == before)) record(before, "Definisci Tutto");
}

void DefinitionsEditor::setOrphanText(int index, const QString& text) {
    if (index < 0 || index >= static_cast<int>(s_.definitions.orphans().size())) return;
    const std::string utf8 = text.trimmed().toStdString();
    if (s_.definitions.orphans()[static_cast<size_t>(index)].text == utf8) return;
    const Definitions before = s_.definitions;
    s_.definitions.setOrphan(static_cast<size_t>(index), utf8);
    record(before, "definizione");
}

// The edit is already made; pushing runs redo, which marks the grid
// modified and tells the panel.
void DefinitionsEditor::record(const Definitions& before, const QString& name) {
    stack_->push(new DefinitionEdit(s_, before, name, [this] { emit changed(); }));
}

void DefinitionsEditor::follow() {
    if (s_.definitions.follow(s_.grid)) emit changed();
}

// A new or opened grid: its definitions are already in the session, and
// nothing of the previous grid can be undone into it.
void DefinitionsEditor::restart() {
    stack_->clear();
    s_.definitions.follow(s_.grid);
    emit changed();
}

}  // namespace quirvo
