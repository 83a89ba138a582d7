#include <QAction>
#include <QScreen>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>

#include "core/common/rounding.h"
#include "gui/app/status_panels.h"
#include "gui/display/grid_view.h"
#include "support/dock_layout.h"
#include "support/document_helpers.h"
#include "support/grid_input.h"
#include "support/test_window.h"

using namespace quirvo;
using namespace quirvo::test;

namespace {

// A window on a pretended 1600 x 1000 pixel screen (at 96 dpi).
StartupOptions largeScreen() {
    StartupOptions options = TestWindow::fastStartup();
    options.screenTwips = QSize(24000, 15000);
    return options;
}

// What lies above the status bar and inside the window's right edge.
bool reachable(const MainWindow& w, const QWidget* widget) {
    const QRect room(0, 0, w.width(), w.statusBar()->y());
    return room.contains(inWindow(w, widget));
}

}  // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    // At set-up a grid too big for the window is made small enough to show
    // whole; zooming in beyond the window then scrolls it.
    void aBigGridFitsAtSetUpAndScrollsOnceZoomed() {
        TestWindow w(largeScreen());
        w->resize(1600, 1000);
        const int16_t specified = roundHalfEven(24000 * 0.03);
        w.createGrid(3, 3);
        QCOMPARE(w->session().metrics.dimv, specified);
        w.createGrid(25, 35);
        QVERIFY(w->session().metrics.dimv < specified);
        QVERIFY(reachable(*w, w->peri()));
        QVERIFY(w->peri()->letterHeightInCells(w->session().metrics.dimLet) <= 1.0);

        auto* area = w->findChild<QScrollArea*>("PeriArea");
        QVERIFY(!area->horizontalScrollBar()->isVisible());
        for (int k = 0; k < 5; ++k) w->menuItem("Ingrandisci")->trigger();
        QTRY_VERIFY(area->horizontalScrollBar()->isVisible() && area->verticalScrollBar()->isVisible());
        QVERIFY(reachable(*w, area));
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
        QVERIFY(reachable(*w, area->viewport()));
        QVERIFY(area->viewport()->rect().contains(w->peri()->mapTo(area->viewport(), cellPoint(*w, 24, 0))));

        // The writing cursor wrapping to the far corner brings it into view.
        clickToolbar(*w, "a3");
        area->verticalScrollBar()->setValue(0);
        clickCell(*w, 0, 0);
        QTest::keyClick(w->peri(), Qt::Key_Left);
        QCOMPARE(QPoint(w->session().curCol, w->session().curRow), QPoint(34, 24));
        QVERIFY(area->viewport()->rect().contains(w->peri()->mapTo(area->viewport(), cellPoint(*w, 24, 34))));

        w->menuItem("Originali")->trigger();
        QTRY_VERIFY(!area->verticalScrollBar()->isVisible());
    }

    // Nothing the user needs lies beyond the window, however it is sized,
    // and the slot under search is shown whole with its tool tip.
    void everythingIsWithinReachAndTheWholePatternShows() {
        TestWindow w(largeScreen());
        QVERIFY(w.waitLoaded());
        w.createGrid(25, 35);
        w->session().grid.setCell(24, 34, 'A');
        clickToolbar(*w, "a1");
        for (const QSize size : {QSize(1600, 1000), QSize(1024, 700), QSize(1000, 650)}) {
            w->resize(size);
            QTest::qWait(0);
            clickCell(*w, 24, 0);
            const QString pattern = QString(34, '?') + 'A';
            QCOMPARE(w->texta()->text(), pattern);
            QCOMPARE(w->texta()->toolTip(), pattern);
            QVERIFY2(w->texta()->showsAll(), qPrintable(QString::number(size.width())));
            QWidget* row[] = {w->findChild<QWidget*>("Label1"), w->command(1), w->command(2), w->texta(),
                              w->command(3), w->command(4)};
            for (int i = 0; i < 6; ++i) {
                QVERIFY2(reachable(*w, row[i]), qPrintable(row[i]->objectName()));
                if (i > 0) QVERIFY(inWindow(*w, row[i - 1]).right() < inWindow(*w, row[i]).left());
            }
            QVERIFY(reachable(*w, w->lists()));
            for (int panel = 1; panel <= StatusPanels::COUNT; ++panel) {
                const StatusPanel* p = w->stb1()->panel(panel);
                if (!p->isVisibleTo(w.get()) || panel == 2) continue;
                QVERIFY2(inWindow(*w, p).right() < w->width(), qPrintable(p->objectName()));
                QVERIFY2(p->width() >= p->fontMetrics().horizontalAdvance(p->text()), qPrintable(p->objectName()));
            }
        }
    }

    // The definitions dock takes its room from the window: at 1600 x 1000
    // a 13 x 13 grid still shows whole beside it.
    void theDefinitionsDockTakesItsRoomFromTheWindow() {
        TestWindow w(largeScreen());
        QVERIFY(w.waitLoaded());
        w->resize(1600, 1000);
        DefinitionsPanel* panel = openGridAndDock(w);
        QVERIFY(panel);
        verifyEverythingReachable(*w, *panel);
        auto* area = w->findChild<QScrollArea*>("PeriArea");
        QVERIFY(!area->horizontalScrollBar()->isVisible() && !area->verticalScrollBar()->isVisible());
    }

    // Every dialog is a tool window of the main window, kept above it, and
    // opens centred over it.
    void dialogsOpenCentredAboveTheMainWindow() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w->move(40, 30);
        w.createGrid(2, 2);
        auto opened = [&](const char* name) -> QWidget* {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->objectName() == name && top->isVisible()) return top;
            return nullptr;
        };
        const std::pair<std::function<void()>, const char*> dialogs[] = {
            {[&] { w->menuItem("Nuovo")->trigger(); }, "Form0a"},
            {[&] { w->menuItem("Apri")->trigger(); }, "Form0b"},
            {[&] {
                 editCell(*w, 0, 0, 'A');
                 w->menuItem("Esci")->trigger();
             },
             "Form0c"},
            {[&] { w->menuItem("Indirdiz")->trigger(); }, "Form0f"},
            {[&] { w->showHelp(); }, "HelpWindow"},
        };
        for (const auto& [open, name] : dialogs) {
            open();
            QWidget* dialog = opened(name);
            QVERIFY2(dialog, name);
            QCOMPARE(dialog->windowType(), Qt::Tool);
            QCOMPARE(dialog->parentWidget(), w.get());
            // Centred, unless that would put part of it off the screen.
            const QRect frame = dialog->frameGeometry();
            const QRect screen = dialog->screen()->availableGeometry();
            const QPoint off = frame.center() - w->frameGeometry().center();
            QVERIFY2(screen.contains(frame), name);
            QVERIFY2(qAbs(off.x()) <= 1 || frame.left() == screen.left() || frame.right() == screen.right(), name);
            QVERIFY2(qAbs(off.y()) <= 1 || frame.top() == screen.top() || frame.bottom() == screen.bottom(), name);
            dialog->close();
        }
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
