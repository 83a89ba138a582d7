#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include "gui/app/main_window.h"

namespace quirvo::test {

// Pixel position inside cell (row, col) of the grid picture; fx, fy are
// the fractions of the cell across and down (0.5 = the centre).
QPoint cellPoint(const MainWindow& w, int row, int col, double fx = 0.5, double fy = 0.5);
// Moves the pointer over the cell, then clicks it, as a user does.
void clickCell(MainWindow& w, int row, int col, double fx = 0.5, double fy = 0.5);
// Button down on one cell, moves over to another, button up there.
void dragCells(MainWindow& w, int row1, int col1, int row2, int col2);
// Types letters, " " for the space bar, on the grid picture.
void typeOnGrid(MainWindow& w, const QString& text);
void clickToolbar(MainWindow& w, const QString& key);
// Clicks the list line with exactly this text; false when there is none.
bool clickListLine(MainWindow& w, const QString& line);
QStringList listLines(const MainWindow& w);
// The grid rows with "#" for black cells.
QStringList gridRows(MainWindow& w);

}  // namespace quirvo::test
