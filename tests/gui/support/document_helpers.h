#pragma once

#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "gui/app/main_window.h"
#include "gui/files/document_flow.h"

namespace quirvo::test {

// The open (visible) window of the document flow with that objectName.
inline QWidget* shown(MainWindow& w, const char* name) {
    for (QWidget* child : w.findChildren<QWidget*>(name, Qt::FindDirectChildrenOnly))
        if (child->isWindow() && child->isVisible()) return child;
    return nullptr;
}

inline void click(QWidget* window, const char* button) {
    auto* b = window->findChild<QPushButton*>(button);
    QVERIFY2(b, button);
    QTest::mouseClick(b, Qt::LeftButton);
}

// A click on a line of a list, as the user does it.
inline void clickLine(QListWidget* list, const QString& text, bool twice = false) {
    const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(items.size() == 1, qPrintable(text));
    list->scrollToItem(items.first());
    const QPoint at = list->visualItemRect(items.first()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (!twice) return;
    // A real double click: the first click, then the double-click event.
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

// The change the editing commands make: a letter written and the grid
// marked modified.
inline void editCell(MainWindow& w, int row, int col, char letter) {
    w.session().grid.setCell(row, col, letter);
    w.session().gridModified = 1;
}

inline QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

}  // namespace quirvo::test
