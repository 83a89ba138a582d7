#pragma once

#include <QFile>
#include <QLineEdit>
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

// File > "Nuovo...", the size typed into the size dialog and confirmed.
inline void newGridByDialog(MainWindow& w, const QString& rows, const QString& cols) {
    w.menuItem("Nuovo")->trigger();
    QWidget* form0a = shown(w, "Form0a");
    QVERIFY(form0a);
    QTest::keyClicks(form0a->findChild<QLineEdit*>("Text1"), rows);
    QTest::keyClicks(form0a->findChild<QLineEdit*>("Text2"), cols);
    click(form0a, "Command1");
}

// Types a name into the open file chooser and confirms it.
inline void typeInChooser(MainWindow& w, const char* name) {
    QWidget* form0b = shown(w, "Form0b");
    QVERIFY(form0b);
    auto* text1 = form0b->findChild<QLineEdit*>("Text1");
    text1->clear();
    QTest::keyClicks(text1, name);
    QTest::keyClick(text1, Qt::Key_Return);
    click(form0b, "Command1");
}

// Clicks a file of the open file chooser and confirms it.
inline void pickInChooser(MainWindow& w, const char* name) {
    QWidget* form0b = shown(w, "Form0b");
    QVERIFY(form0b);
    clickLine(form0b->findChild<QListWidget*>("File1"), name);
    click(form0b, "Command1");
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
