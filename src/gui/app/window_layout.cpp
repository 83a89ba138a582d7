// disponi: grid metrics and the placement of the main window's controls,
// computed in twips as proportions of the window, which starts as large as
// the screen.
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>
#include <cmath>

#include "core/common/rounding.h"
#include "gui/app/main_window.h"
#include "gui/app/status_panels.h"
#include "gui/display/zoom_commands.h"

namespace quirvo {

namespace {

QFont family(const QStringList& families, double points = 0) {
    QFont font;
    font.setFamilies(families);
    if (points > 0) font.setPointSizeF(points);
    return font;
}

constexpr int EDGE_PX = 4;  // kept free along the window's right edge and the status bar
constexpr double LIST_LEFT = 0.014, LIST_WIDTH = 0.25;  // of the window's width

}  // namespace

// The central area: between the toolbar and the status bar, beside the
// docks. The docks take their room from it, never from over it.
QSize MainWindow::clientSize() const { return centralWidget()->size(); }

int MainWindow::clientHeight() const { return clientSize().height(); }

// From the given top down to 600 twips above the status bar.
int MainWindow::listHeight(double topTwips) const {
    return std::max(40, twips_.toPixelsY(twips_.fromPixelsY(clientHeight()) - topTwips - 600));
}

QSize MainWindow::gridRoom() const {
    const GridMetrics& m = session_.metrics;
    return {std::max(40, clientSize().width() - twips_.toPixelsX(m.orx - 1) - EDGE_PX),
            std::max(40, clientHeight() - twips_.toPixelsY(m.ory - 1) - EDGE_PX)};
}

void MainWindow::disponi() {
    GridMetrics& m = session_.metrics;
    m = GridMetrics{};
    m.dimv = roundHalfEven(twips_.screenWidth() * 0.03);
    m.dimo = m.dimv;
    // Before the window is first shown its central area has not been
    // sized yet.
    layout()->activate();
    placeControls();
    if (session_.Im2 == -1) {
        lists_->setFont(family({"Courier New", "Liberation Mono", "monospace"}, 8));
        label1_->setFont(family({"MS Serif", "Liberation Serif", "serif"}));
        label3_->setFont(family({"MS Serif", "Liberation Serif", "serif"}));
    } else {
        lists_->setFont(family({"Courier", "Liberation Mono", "monospace"}));
        label1_->setFont(family({"MS Sans Serif", "Liberation Sans", "sans-serif"}));
        label3_->setFont(family({"MS Sans Serif", "Liberation Sans", "sans-serif"}));
    }
}

// The proportions are those of the window less what the docks take.
void MainWindow::placeControls() {
    const QSize docks(width() - clientSize().width(),
                      height() - menuBar()->sizeHint().height() - tlb1_->sizeHint().height() -
                          statusBar()->sizeHint().height() - clientHeight());
    const double ww = twips_.fromPixelsX(width() - docks.width());
    const double wh = twips_.fromPixelsY(height() - docks.height());
    GridMetrics& m = session_.metrics;
    m.orx = roundHalfEven(ww * 0.27);
    m.ory = roundHalfEven(wh * 0.19);

    auto place = [&](QWidget* w, double leftTwips, double topTwips) {
        w->move(twips_.toPixelsX(leftTwips), twips_.toPixelsY(topTwips));
    };
    label0_->adjustSize();
    place(label0_, m.orx, m.ory - 600);
    secCar_->adjustSize();
    place(secCar_, m.orx + twips_.fromPixelsX(label0_->width()), m.ory - 600);

    label3_->adjustSize();
    place(label3_, ww * LIST_LEFT, wh * 0.13);
    const double listTop = lists_->property("placed").toBool() ? m.ory : wh * 0.16;
    lists_->setGeometry(twips_.toPixelsX(ww * LIST_LEFT), twips_.toPixelsY(m.ory), twips_.toPixelsX(ww * LIST_WIDTH),
                        listHeight(listTop));
    lists_->setProperty("placed", true);

    placeButtonRow(twips_.fromPixelsY(label3_->y()));
    placeModePicture();

    const QPoint corner(twips_.toPixelsX(m.orx - 1), twips_.toPixelsY(m.ory - 1));
    periArea_->setGeometry(QRect(corner, gridRoom()));
}

// Label1, Command1, Command2, texta, Command3, Command4, left to right and
// 50 twips apart from orx + 200. texta takes the width the grid's longest
// slot needs; when the window is too narrow for that it gets what is left
// (its font then shrinks), and when even a narrow texta does not fit, the
// row starts further left, though never over the result list. Narrower
// still (a dock beside a small window), Label1 goes up a line above the
// buttons and the rest keeps the row.
void MainWindow::placeButtonRow(double topTwips) {
    const int gap = twips_.toPixelsX(50);
    QWidget* row[] = {label1_, commands_[0], commands_[1], texta_, commands_[2], commands_[3]};
    int fixedWidth = 5 * gap;
    for (QWidget* w : row) {
        if (w == texta_) continue;
        w->adjustSize();
        fixedWidth += w->width();
    }
    const int longest = std::max<int>(session_.grid.maxWordLen, 12);
    const int wanted = std::max(twips_.toPixelsX(2400), texta_->naturalWidth(QString(longest, 'O')));
    const int narrowest = twips_.toPixelsX(1200);
    // However wide the docks, the central area keeps room for the row
    // with its heading above it.
    const int rowRoom = fixedWidth - label1_->width() + narrowest + EDGE_PX;
    centralWidget()->setMinimumWidth(static_cast<int>(std::ceil(rowRoom / (1 - LIST_LEFT - LIST_WIDTH))) + 2);
    const int right = clientSize().width() - EDGE_PX;
    const int leftmost = lists_->x() + lists_->width() + gap;
    const int top = twips_.toPixelsY(topTwips);
    int left = twips_.toPixelsX(session_.metrics.orx + 200);
    const bool headingAbove = right - leftmost - fixedWidth < narrowest;
    if (headingAbove) {
        label1_->move(leftmost, top - commands_[0]->height() - gap);
        fixedWidth -= label1_->width() + gap;
    }
    if (right - left - fixedWidth < narrowest) left = std::max(leftmost, right - fixedWidth - narrowest);
    const int textaWidth = std::clamp(right - left - fixedWidth, narrowest, wanted);

    int x = left;
    for (QWidget* w : row) {
        if (w == label1_ && headingAbove) continue;
        if (w == texta_)
            texta_->setGeometry(x, top, textaWidth, commands_[0]->height());
        else
            w->move(x, top);
        x += w->width() + gap;
    }
}

// ImageA: at orx - 700 twips on the line of Label3, or above Label3 when
// the area is so narrow that it would cover it.
void MainWindow::placeModePicture() {
    imageA_->resize(36, 36);
    const int gap = twips_.toPixelsX(50);
    const QPoint beside(twips_.toPixelsX(session_.metrics.orx - 700), label3_->y());
    if (beside.x() > label3_->x() + label3_->width() + gap)
        imageA_->move(beside);
    else
        imageA_->move(label3_->x(), label3_->y() - imageA_->height() - gap);
}

void MainWindow::applyInitialCellSize() {
    GridMetrics& m = session_.metrics;
    const int16_t specified = roundHalfEven(twips_.screenWidth() * 0.03);
    int16_t cell = specified;
    const Grid& g = session_.grid;
    if (g.exists()) {
        // The picture is the cells plus two pixels for the outer lines.
        const QSize room = gridRoom();
        const double across = twips_.fromPixelsX(room.width() - 2) / g.colCount;
        const double down = twips_.fromPixelsY(room.height() - 2) / g.rowCount;
        const int fits = static_cast<int>(std::floor(std::min(across, down)));
        cell = static_cast<int16_t>(std::clamp<int>(fits, ZoomCommands::MIN_CELL_TWIPS, specified));
    }
    const double ratio = double(cell) / specified;
    m.dimv = m.dimo = cell;
    m.dimLet = 15 * ratio;
    m.dimNum = 7 * ratio;
}

}  // namespace quirvo
