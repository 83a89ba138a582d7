// disponi: grid metrics and the placement of the main window's controls,
// all computed in twips from the screen size.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "core/common/rounding.h"
#include "gui/app/main_window.h"
#include "gui/app/status_panels.h"

namespace quirvo {

namespace {

QFont family(const QStringList& families, double points = 0) {
    QFont font;
    font.setFamilies(families);
    if (points > 0) font.setPointSizeF(points);
    return font;
}

}  // namespace

// From the given top down to 600 twips above the status bar.
int MainWindow::listHeight(double topTwips) const {
    const int clientHeight = height() - menuBar()->sizeHint().height() - tlb1_->sizeHint().height() -
                             statusBar()->sizeHint().height();
    return std::max(40, twips_.toPixelsY(twips_.fromPixelsY(clientHeight) - topTwips - 600));
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (lists_->property("placed").toBool())
        lists_->resize(lists_->width(), listHeight(twips_.fromPixelsY(lists_->y())));
}

void MainWindow::disponi() {
    const double sw = twips_.screenWidth();
    const double sh = twips_.screenHeight();
    GridMetrics& m = session_.metrics;
    m = GridMetrics{};
    m.orx = roundHalfEven(sw * 0.27);
    m.ory = roundHalfEven(sh * 0.19);
    m.dimv = roundHalfEven(sw * 0.03);
    m.dimo = m.dimv;

    auto place = [&](QWidget* w, double leftTwips, double topTwips) {
        w->move(twips_.toPixelsX(leftTwips), twips_.toPixelsY(topTwips));
    };
    auto rightEdge = [&](QWidget* w) { return twips_.fromPixelsX(w->x() + w->width()); };
    auto topOf = [&](QWidget* w) { return twips_.fromPixelsY(w->y()); };

    label0_->adjustSize();
    place(label0_, m.orx, m.ory - 600);
    secCar_->adjustSize();
    place(secCar_, m.orx + twips_.fromPixelsX(label0_->width()), m.ory - 600);

    label3_->adjustSize();
    place(label3_, sw * 0.014, sh * 0.13);
    const double listTop = lists_->property("placed").toBool() ? m.ory : sh * 0.16;
    lists_->setGeometry(twips_.toPixelsX(sw * 0.014), twips_.toPixelsY(m.ory),
                        twips_.toPixelsX(sw * 0.25), listHeight(listTop));
    lists_->setProperty("placed", true);

    label1_->adjustSize();
    place(label1_, m.orx + 200, topOf(label3_));
    QWidget* row[] = {commands_[0], commands_[1], texta_, commands_[2], commands_[3]};
    QWidget* previous = label1_;
    for (QWidget* w : row) {
        w->adjustSize();
        place(w, rightEdge(previous) + 50, topOf(label3_));
        previous = w;
    }
    imageA_->resize(36, 36);
    place(imageA_, m.orx - 700, topOf(label3_));

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

}  // namespace quirvo
