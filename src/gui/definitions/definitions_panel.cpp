#include "gui/definitions/definitions_panel.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QToolButton>
#include <QTreeWidget>
#include <QUndoStack>
#include <QVBoxLayout>
#include <cmath>

#include "core/document/clue_list.h"
#include "core/document/grid_statistics.h"
#include "core/session.h"
#include "gui/app/help_window.h"
#include "gui/app/main_window.h"
#include "gui/definitions/clue_service.h"
#include "gui/definitions/definitions_editor.h"
#include "gui/definitions/draft_all_command.h"
#include "gui/definitions/statistics_text.h"
#include "gui/definitions/suggestion_box.h"
#include "gui/display/grid_view.h"
#include "gui/document/grid_document.h"

namespace quirvo {

namespace {

constexpr int TEXT_COLUMN = 2;
constexpr int ORPHANS = 2;

QString q(const std::string& text) { return QString::fromStdString(text); }

// Write and suggestion modes: rows, columns and crossings.
bool pickingMode(int workMode) { return workMode >= 1 && workMode <= 6 && workMode != 5; }

QToolButton* undoButton(QWidget* parent, const char* name, const QString& caption, QAction* action) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setDefaultAction(action);
    b->setText(caption);
    return b;
}

}  // namespace

DefinitionsPanel::DefinitionsPanel(MainWindow& window, DefinitionsEditor& editor, ClueService& clues)
    : QDockWidget("Definizioni", &window), w_(window), editor_(&editor) {
    setObjectName("Definizioni");
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    statistics_ = new QLabel(body);
    statistics_->setObjectName("Statistiche");
    statistics_->setWordWrap(true);
    list_ = new QTreeWidget(body);
    list_->setObjectName("ElencoDefinizioni");
    list_->setHeaderLabels({"N.", "Lettere", "Definizione"});
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->header()->setStretchLastSection(true);
    for (int column : {0, 1}) list_->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);

    QUndoStack* stack = editor.undoStack();
    QAction* undo = stack->createUndoAction(body, "Annulla");
    QAction* redo = stack->createRedoAction(body, "Ripeti");
    undo->setShortcut(QKeySequence::Undo);
    redo->setShortcut(QKeySequence::Redo);
    for (QAction* a : {undo, redo}) {
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        body->addAction(a);
    }
    draftAll_ = new QPushButton("Definisci Tutto", body);
    draftAll_->setObjectName("DefinisciTutto");
    draftAll_->setToolTip("Scrive il primo suggerimento in ogni definizione vuota, come bozza");
    auto* archiveButton = new QPushButton("Archivio...", body);
    archiveButton->setObjectName("ApriArchivio");
    // Two rows, so a narrow dock on a small screen still shows them whole.
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(undoButton(body, "AnnullaDefinizione", "Annulla", undo));
    buttons->addWidget(undoButton(body, "RipetiDefinizione", "Ripeti", redo));
    buttons->addStretch();
    auto* clueButtons = new QHBoxLayout;
    clueButtons->addWidget(draftAll_);
    clueButtons->addWidget(archiveButton);
    clueButtons->addStretch();
    box_ = new SuggestionBox(window, editor, clues, body);
    auto* split = new QSplitter(Qt::Vertical, body);
    split->addWidget(list_);
    split->addWidget(box_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    layout->addWidget(statistics_);
    layout->addLayout(buttons);
    layout->addLayout(clueButtons);
    layout->addWidget(split, 1);
    // Narrower, the list would show neither letters nor definitions.
    body->setMinimumWidth(body->fontMetrics().averageCharWidth() * 32);
    setWidget(body);

    draftCommand_ = new DraftAllCommand(window, editor, clues);
    connect(draftAll_, &QPushButton::clicked, this, [this] {
        draftAll_->setEnabled(false);
        draftCommand_->run();
        draftAll_->setEnabled(!draftCommand_->running());
    });
    connect(draftCommand_, &DraftAllCommand::finished, this, [this] { draftAll_->setEnabled(true); });
    connect(archiveButton, &QPushButton::clicked, &clues, &ClueService::showArchiveWindow);

    const char* headings[3] = {"ORIZZONTALI", "VERTICALI", "Definizioni senza casella"};
    for (int g = 0; g < 3; ++g) {
        groups_[g] = new QTreeWidgetItem(list_, {headings[g]});
        groups_[g]->setFirstColumnSpanned(true);
        groups_[g]->setFlags(Qt::ItemIsEnabled);
    }
    keys_.resize(3);
    connect(&editor, &DefinitionsEditor::changed, this, &DefinitionsPanel::refresh);
    connect(&window.document(), &GridDocument::cellsChanged, this, &DefinitionsPanel::refresh);
    connect(list_, &QTreeWidget::itemChanged, this, &DefinitionsPanel::edited);
    connect(list_, &QTreeWidget::itemClicked, this, &DefinitionsPanel::picked);
    connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) { chosen(item); });
    connect(list_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { if (keyOf(item)) list_->editItem(item, TEXT_COLUMN); });
    connect(w_.peri(), &GridView::mousePressed, this, [this](Qt::MouseButton b, Qt::KeyboardModifiers, double x, double y) {
        if (b == Qt::LeftButton && pickingMode(w_.session().workMode))
            selectCell(static_cast<int>(std::floor(y)), static_cast<int>(std::floor(x)));
    });
    window.addDockWidget(Qt::RightDockWidgetArea, this);
    hide();
    QAction* toggle = toggleViewAction();
    toggle->setObjectName("VediDefinizioni");
    setHelpPage(this, "definizioni.html");
    setHelpPage(toggle, "definizioni.html");
    if (auto* view = window.findChild<QMenu*>("Visualizza")) {
        view->addSeparator();
        view->addAction(toggle);
    }
}

void DefinitionsPanel::showEvent(QShowEvent* event) {
    QDockWidget::showEvent(event);
    refresh();
}

std::vector<std::vector<DefinitionsPanel::RowKey>> DefinitionsPanel::currentKeys() const {
    const Session& s = w_.session();
    std::vector<std::vector<RowKey>> keys(3);
    for (int g = 0; g < 2; ++g)
        for (const Clue& c : cluesOf(s.grid, s.definitions, g == 0 ? Direction::Across : Direction::Down))
            keys[g].push_back({SlotKey::of(c.slot), c.slot.length, -1});
    for (size_t i = 0; i < s.definitions.orphans().size(); ++i)
        keys[ORPHANS].push_back({s.definitions.orphans()[i].key, 0, static_cast<int>(i)});
    return keys;
}

// Texts change in place, which keeps the selection and an edit under way;
// the rows are made again only when the slots themselves changed. An edit
// that removes an orphan row asks for that from inside the row's own
// change signal, so the rows are made again just after it.
void DefinitionsPanel::refresh() {
    if (!isVisible()) return;
    statistics_->setText(statisticsText(gridStatistics(w_.session().grid, w_.session().definitions)));
    std::vector<std::vector<RowKey>> keys = currentKeys();
    if (keys == keys_) {
        fillTexts();
        return;
    }
    if (!filling_) {
        rebuild(keys);
        return;
    }
    if (rebuildPending_) return;
    rebuildPending_ = true;
    QMetaObject::invokeMethod(this, [this] {
        rebuildPending_ = false;
        rebuild(currentKeys());
    }, Qt::QueuedConnection);
}

void DefinitionsPanel::rebuild(const std::vector<std::vector<RowKey>>& keys) {
    filling_ = true;
    w_.peri()->setMarkedSlot(std::nullopt);
    for (int g = 0; g < 3; ++g) {
        qDeleteAll(groups_[g]->takeChildren());
        for (size_t i = 0; i < keys[g].size(); ++i) {
            auto* item = new QTreeWidgetItem(groups_[g]);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
        }
        groups_[g]->setExpanded(true);
    }
    keys_ = keys;
    filling_ = false;
    fillTexts();
}

void DefinitionsPanel::fillTexts() {
    const Session& s = w_.session();
    const bool wasFilling = filling_;
    filling_ = true;
    for (int g = 0; g < 2; ++g) {
        const std::vector<Clue> clues = cluesOf(s.grid, s.definitions, g == 0 ? Direction::Across : Direction::Down);
        for (size_t i = 0; i < clues.size(); ++i) {
            QTreeWidgetItem* item = groups_[g]->child(static_cast<int>(i));
            if (!item) break;
            item->setText(0, QString::number(clues[i].number));
            item->setText(1, q(clues[i].slot.pattern(s.grid)));
            item->setText(TEXT_COLUMN, q(clues[i].text));
            item->setToolTip(TEXT_COLUMN, q(clues[i].text));  // whole, where the column cuts it short
            const Definition* d = s.definitions.find(SlotKey::of(clues[i].slot));
            QFont font = item->font(TEXT_COLUMN);
            font.setItalic(d && d->draft);
            item->setFont(TEXT_COLUMN, font);
        }
    }
    const std::vector<Definition>& orphans = s.definitions.orphans();
    for (size_t i = 0; i < orphans.size(); ++i) {
        QTreeWidgetItem* item = groups_[ORPHANS]->child(static_cast<int>(i));
        if (!item) break;
        const Definition& d = orphans[i];
        item->setText(0, d.key.direction == Direction::Across ? "O" : "V");
        item->setText(1, q(d.letters));
        item->setText(TEXT_COLUMN, q(d.text));
        item->setToolTip(1, QString("riga %1, colonna %2").arg(d.key.row + 1).arg(d.key.col + 1));
    }
    groups_[ORPHANS]->setHidden(orphans.empty());
    filling_ = wasFilling;
}

std::optional<DefinitionsPanel::RowKey> DefinitionsPanel::keyOf(const QTreeWidgetItem* item) const {
    const QTreeWidgetItem* parent = item ? item->parent() : nullptr;
    for (int g = 0; parent && g < 3; ++g) {
        if (parent != groups_[g]) continue;
        const int i = parent->indexOfChild(const_cast<QTreeWidgetItem*>(item));
        if (i >= 0 && i < static_cast<int>(keys_[g].size())) return keys_[g][static_cast<size_t>(i)];
    }
    return std::nullopt;
}

void DefinitionsPanel::edited(QTreeWidgetItem* item, int column) {
    // An edit still open when the window closes commits after the editor
    // and the session are gone.
    if (filling_ || column != TEXT_COLUMN || !editor_) return;
    const std::optional<RowKey> key = keyOf(item);
    if (!key) return;
    filling_ = true;
    if (key->orphan >= 0)
        editor_->setOrphanText(key->orphan, item->text(TEXT_COLUMN));
    else
        editor_->setText(key->key, item->text(TEXT_COLUMN));
    filling_ = false;
}

void DefinitionsPanel::picked(QTreeWidgetItem* item) {
    const std::optional<RowKey> key = keyOf(item);
    if (!key || key->orphan >= 0) {
        w_.peri()->setMarkedSlot(std::nullopt);
        return;
    }
    const bool across = key->key.direction == Direction::Across;
    w_.peri()->setMarkedSlot(QRectF(key->key.col, key->key.row, across ? key->length : 1, across ? 1 : key->length));
}

void DefinitionsPanel::chosen(QTreeWidgetItem* item) {
    const std::optional<RowKey> key = keyOf(item);
    box_->showSlot(key && key->orphan < 0 ? std::optional<SlotKey>(key->key) : std::nullopt);
}

void DefinitionsPanel::selectCell(int row, int col) {
    list_->clearSelection();
    QTreeWidgetItem* first = nullptr;
    for (int g = 0; g < 2; ++g) {
        for (size_t i = 0; i < keys_[g].size(); ++i) {
            const RowKey& k = keys_[g][i];
            const Slot slot{k.key.row, k.key.col, k.key.direction, static_cast<int16_t>(k.length)};
            if (slot.indexOf(row, col) < 0) continue;
            QTreeWidgetItem* item = groups_[g]->child(static_cast<int>(i));
            item->setSelected(true);
            if (!first) first = item;
        }
    }
    if (first) {
        list_->scrollToItem(first);
        chosen(first);
    }
}

}  // namespace quirvo
