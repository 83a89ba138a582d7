#include "gui/app/standard_shortcuts.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>

#include "gui/app/main_window.h"

namespace quirvo {

namespace {

const QList<QKeySequence> UNDO_KEYS = {QKeySequence(Qt::CTRL | Qt::Key_Z)};
const QList<QKeySequence> REDO_KEYS = {QKeySequence(Qt::CTRL | Qt::Key_Y),
                                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};

}  // namespace

StandardShortcuts::StandardShortcuts(MainWindow& window) : w_(window) {
    const std::pair<const char*, QKeySequence> items[] = {
        {"Nuovo", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"Apri", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"Salva", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"Salvacome", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {"Stampa", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"Esporta", QKeySequence(Qt::CTRL | Qt::Key_E)},
    };
    for (const auto& [name, keys] : items) w_.menuItem(name)->setShortcut(keys);
    focusMoved(QApplication::focusWidget());
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focusMoved(now); });
}

// Two actions on one key in reach would each refuse it as ambiguous, so the
// grid's undo and redo give their keys up while the panel has the focus.
void StandardShortcuts::focusMoved(QWidget* now) {
    const auto* panel = w_.findChild<QDockWidget*>("Definizioni");
    const bool inPanel = panel && now && panel->isAncestorOf(now);
    w_.button("a7")->setShortcuts(inPanel ? QList<QKeySequence>{} : UNDO_KEYS);
    w_.button("a8")->setShortcuts(inPanel ? QList<QKeySequence>{} : REDO_KEYS);
}

}  // namespace quirvo
