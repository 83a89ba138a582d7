#include <QAction>
#include <QTest>

#include "core/grid/cell_codes.h"
#include "gui/app/status_panels.h"
#include "support/grid_input.h"
#include "support/word_lists.h"
#include "support/test_window.h"

using namespace quirvo;
using namespace quirvo::test;

namespace {

// Two-letter words that fill a 2 x 2 grid: AB over CD, or AC over BD.
const char* const SQUARE_WORDS = "AB\r\nCD\r\nAC\r\nBD\r\n";

QString panel2(TestWindow& w) { return w->stb1()->text(2); }

// Starts the endless fill and waits until it reports its progress.
void startLongFill(TestWindow& w) {
    w.createGrid(10, 10);
    w->menuItem("Riempi")->trigger();
    QCOMPARE(w->session().busyLevel, int16_t(2));
    QTRY_VERIFY_WITH_TIMEOUT(panel2(w).startsWith(" riempimento in corso:"), 20000);
}

}  // namespace

class GridFillTest : public QObject {
    Q_OBJECT

private slots:
    void fillIsOneUndoStep() {
        TestWindow w(TestWindow::Files{{"base.diz", SQUARE_WORDS}});
        QVERIFY(w.waitLoaded());
        w.createGrid(2, 2);
        w->menuItem("Riempi")->trigger();
        QTRY_COMPARE(w->session().busyLevel, int16_t(0));
        QCOMPARE(panel2(w), QString(" schema riempito "));
        const QStringList filled = gridRows(*w);
        QVERIFY2(filled == QStringList({"AB", "CD"}) || filled == QStringList({"AC", "BD"}),
                 qPrintable(filled.join('/')));
        QCOMPARE(w->session().gridModified, int16_t(1));

        clickToolbar(*w, "a7");
        QCOMPARE(gridRows(*w), QStringList({"??", "??"}));
        QCOMPARE(panel2(w), QString(" Annullo n. 1 "));
        QVERIFY(!w->button("a7")->isEnabled());
        clickToolbar(*w, "a8");
        QCOMPARE(gridRows(*w), filled);
        QCOMPARE(panel2(w), QString(" Ripristino n. 1 "));

        // Ordinary edits keep their own steps after the fill.
        clickToolbar(*w, "a5");
        clickCell(*w, 0, 0);
        clickToolbar(*w, "a7");
        QCOMPARE(gridRows(*w), filled);
        clickToolbar(*w, "a7");
        QCOMPARE(gridRows(*w), QStringList({"??", "??"}));
    }

    void noFillLeavesTheGridAsItWas() {
        TestWindow w(TestWindow::Files{{"base.diz", SQUARE_WORDS}});
        QVERIFY(w.waitLoaded());
        w.createGrid(2, 2);
        w.setRows({"Z?", "??"});
        w->menuItem("Riempi")->trigger();
        QTRY_COMPARE(w->session().busyLevel, int16_t(0));
        QCOMPARE(panel2(w), QString(" nessun riempimento possibile "));
        QCOMPARE(gridRows(*w), QStringList({"Z?", "??"}));
        QCOMPARE(w->session().history.historyPos, int16_t(0));
    }

    void stopByPanelOrEscapeLeavesTheGridUnchanged() {
        for (const bool escape : {false, true}) {
            TestWindow w(TestWindow::Files{{"base.diz", randomTenLetterWords()}});
            QVERIFY(w.waitLoaded());
            startLongFill(w);
            clickToolbar(*w, "a3");
            QVERIFY2(w->session().workMode != 3, "the toolbar waits while the fill runs");
            if (escape) {
                w->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(w.get()));
                QTest::keyClick(w.get(), Qt::Key_Escape);
            } else {
                QTest::mouseClick(w->stb1()->panel(2), Qt::LeftButton);
            }
            QTRY_COMPARE_WITH_TIMEOUT(w->session().busyLevel, int16_t(0), 10000);
            QCOMPARE(panel2(w), QString(" interrotto "));
            QCOMPARE(gridRows(*w), QStringList(10, QString(10, '?')));
            QCOMPARE(w->session().history.historyPos, int16_t(0));
            QCOMPARE(w->session().gridModified, int16_t(0));
        }
    }

    void closingDuringAFillStopsItFirst() {
        TestWindow w(TestWindow::Files{{"base.diz", randomTenLetterWords()}});
        QVERIFY(w.waitLoaded());
        startLongFill(w);
        w->close();
        QTRY_COMPARE_WITH_TIMEOUT(w.quits, 1, 10000);
        QCOMPARE(gridRows(*w), QStringList(10, QString(10, '?')));
    }
};

QTEST_MAIN(GridFillTest)
#include "grid_fill_test.moc"
