#pragma once

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>
#include <vector>

#include "gui/definitions/definitions_panel.h"
#include "gui/display/grid_view.h"
#include "support/test_window.h"

namespace quirvo::test {

// A 13 x 13 grid with slots of nine lengths: its statistics make a long line.
inline const std::vector<const char*> GRID_13 = {
    "OSATI#SCATTAR", "REPLO#ARDIREI", "CIP#RAVE#PERU", "OMIO#RODI#DON", "#IAPIGIO#CITI",
    "ALT#SUA#MACRO", "GATTEO#DEBIAN", "OVATO#TOR#MIE", "NERO#SAVARIN#", "INC#LIME#FLAG",
    "STIL#EIRE#ARA", "MUSTANG#RIUSI", "INIZIAI#IONIO"};

// The 13 x 13 on the window, a long definition for its first word, and the
// "Definizioni" dock shown from the "Visualizza" menu.
inline DefinitionsPanel* openGridAndDock(TestWindow& w) {
    w.createGrid(13, 13);
    w.setRows(GRID_13);
    Session& s = w->session();
    s.definitions.set(s.grid, *slotAt(s.grid, 0, 0, Direction::Across),
                      "Una definizione lunga, più lunga della colonna che la mostra nel pannello");
    w->menuItem("VediDefinizioni")->trigger();
    auto* panel = w->findChild<DefinitionsPanel*>("Definizioni");
    QTest::qWait(50);
    return panel;
}

inline QRect inWindow(const MainWindow& w, const QWidget* widget) {
    return QRect(widget->mapTo(&w, QPoint(0, 0)), widget->size());
}

// Every grid cell, slot button and definition can be reached with the dock
// open: the controls of the central area lie inside it, clear of the dock;
// a grid larger than its room scrolls; the dock lies inside the window, its
// statistics wrap instead of widening it, and a definition cut short by its
// column shows whole in its tool tip.
inline void verifyEverythingReachable(MainWindow& w, DefinitionsPanel& panel) {
    const QRect central = inWindow(w, w.centralWidget());
    const QRect dock = inWindow(w, &panel);
    QVERIFY(panel.isVisible());
    QVERIFY(QRect(QPoint(0, 0), w.size()).contains(dock));
    QVERIFY(!central.intersects(dock));
    auto* area = w.findChild<QScrollArea*>("PeriArea");
    QWidget* shown[] = {area, w.lists(), w.texta(), w.command(1), w.command(2), w.command(3), w.command(4),
                        w.findChild<QLabel*>("Label1"), w.findChild<QLabel*>("Label3"), w.imageA()};
    for (const QWidget* c : shown) QVERIFY2(central.contains(inWindow(w, c)), qPrintable(c->objectName()));
    for (const QWidget* a : shown)
        for (const QWidget* b : shown)
            if (a != b)
                QVERIFY2(!inWindow(w, a).intersects(inWindow(w, b)), qPrintable(a->objectName() + " " + b->objectName()));
    QVERIFY(area->viewport()->width() >= w.peri()->width() || area->horizontalScrollBar()->isVisible());
    QVERIFY(area->viewport()->height() >= w.peri()->height() || area->verticalScrollBar()->isVisible());

    for (const QPushButton* b : panel.findChildren<QPushButton*>())
        if (b->isVisible()) QVERIFY2(b->width() >= b->minimumSizeHint().width(), qPrintable(b->text()));

    QTreeWidget* list = panel.list();
    QVERIFY(list->header()->sectionViewportPosition(2) < list->viewport()->width() - 20);
    QTreeWidgetItem* first = list->topLevelItem(0)->child(0);
    QCOMPARE(first->toolTip(2), first->text(2));
    const QLabel* stats = panel.statistics();
    const QString longest = stats->text().section('\n', 0, 0);
    QVERIFY2(panel.minimumSizeHint().width() < stats->fontMetrics().horizontalAdvance(longest), qPrintable(longest));
}

}  // namespace quirvo::test
