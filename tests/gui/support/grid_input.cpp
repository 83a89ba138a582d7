#include "support/grid_input.h"

#include <QAction>
#include <QListWidget>
#include <QTest>
#include <QToolBar>

#include "core/grid/cell_codes.h"
#include "gui/display/grid_view.h"

namespace quirvo::test {

QPoint cellPoint(const MainWindow& w, int row, int col, double fx, double fy) {
    const GridView* peri = w.peri();
    return QPoint(int(1 + (col + fx) * peri->cellWidth()), int(1 + (row + fy) * peri->cellHeight()));
}

void clickCell(MainWindow& w, int row, int col, double fx, double fy) {
    const QPoint at = cellPoint(w, row, col, fx, fy);
    QTest::mouseMove(w.peri(), at);
    QTest::mouseClick(w.peri(), Qt::LeftButton, {}, at);
}

void dragCells(MainWindow& w, int row1, int col1, int row2, int col2) {
    const QPoint from = cellPoint(w, row1, col1);
    const QPoint to = cellPoint(w, row2, col2);
    QTest::mouseMove(w.peri(), from);
    QTest::mousePress(w.peri(), Qt::LeftButton, {}, from);
    QTest::mouseMove(w.peri(), (from + to) / 2);
    QTest::mouseMove(w.peri(), to);
    QTest::mouseRelease(w.peri(), Qt::LeftButton, {}, to);
}

void typeOnGrid(MainWindow& w, const QString& text) {
    for (QChar c : text) {
        if (c == ' ')
            QTest::keyClick(w.peri(), Qt::Key_Space);
        else
            QTest::keyClick(w.peri(), c.toLatin1());
    }
}

void clickToolbar(MainWindow& w, const QString& key) {
    QAction* action = w.button(key);
    auto* bar = w.findChild<QToolBar*>("Tlb1");
    QWidget* widget = bar->widgetForAction(action);
    QTest::mouseClick(widget, Qt::LeftButton);
}

bool clickListLine(MainWindow& w, const QString& line) {
    QListWidget* list = w.lists();
    const auto found = list->findItems(line, Qt::MatchExactly);
    if (found.isEmpty()) return false;
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
    return true;
}

QStringList listLines(const MainWindow& w) {
    QStringList lines;
    for (int i = 0; i < w.lists()->count(); ++i) lines << w.lists()->item(i)->text();
    return lines;
}

QStringList gridRows(MainWindow& w) {
    QStringList rows;
    const Grid& g = w.session().grid;
    for (int r = 0; r < g.rowCount; ++r) {
        QString row = QString::fromLatin1(g.gridRows[r]);
        row.replace(QChar(BLACK_CELL), '#');
        rows << row;
    }
    return rows;
}

}  // namespace quirvo::test
