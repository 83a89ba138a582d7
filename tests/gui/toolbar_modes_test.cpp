#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "gui/app/status_panels.h"
#include "gui/editing/toolbar_commands.h"
#include "support/grid_input.h"
#include "support/test_window.h"

using namespace quirvo;
using namespace quirvo::test;

namespace {

QStringList pressedModeButtons(const MainWindow& w) {
    QStringList pressed;
    for (int k = 0; k <= 6; ++k)
        if (w.button(QStringLiteral("a%1").arg(k))->isChecked()) pressed << QStringLiteral("a%1").arg(k);
    return pressed;
}

}  // namespace

class ToolbarModesTest : public QObject {
    Q_OBJECT

private slots:
    void choosingAModeClearsTheDisplayAndPressesOnlyThatButton() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w.createGrid(4, 5);
        clickToolbar(*w, "a1");
        QCOMPARE(pressedModeButtons(*w), QStringList{"a1"});
        QCOMPARE(w->stb1()->text(1), QString(" SUGGERIMENTI RIGA "));
        w->lists()->addItem("CASA -1");
        w->command(1)->setEnabled(true);
        w->stb1()->setText(3, " nessuno ");
        w->texta()->setText("C?SA");

        clickToolbar(*w, "a3");
        QCOMPARE(pressedModeButtons(*w), QStringList{"a3"});
        QCOMPARE(w->session().workMode, int16_t(3));
        QCOMPARE(w->stb1()->text(1), QString::fromUtf8(" SCRIVERE ORIZZONTALE su più Caselle "));
        QCOMPARE(w->stb1()->panel(1)->toolTip(), QString("Click nella prima Casella e digitare di seguito"));
        QCOMPARE(w->lists()->count(), 0);
        QVERIFY(!w->command(1)->isEnabled());
        QCOMPARE(w->stb1()->text(3), QString(" "));
        QVERIFY(w->texta()->text().isEmpty());
        QCOMPARE(w->imageA()->property("mode").toInt(), 3);

        clickToolbar(*w, "a6");
        QCOMPARE(w->stb1()->text(1),
                 QString(" SUGGERIMENTI INCROCIO (premere Ctrl per provare solo le vocali)"));
        clickToolbar(*w, "a7");  // undo keeps the mode and its button
        QCOMPARE(pressedModeButtons(*w), QStringList{"a6"});
        QCOMPARE(w->session().workMode, int16_t(6));
        clickToolbar(*w, "a6");  // clicking the pressed button keeps it pressed
        QCOMPARE(pressedModeButtons(*w), QStringList{"a6"});
    }

    void testToolsReleaseTheModeButtonsAndCallTheirHook() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w.createGrid(3, 3);
        QSignalSpy tools(&w->controllers().toolbar(), &ToolbarCommands::testToolRequested);
        clickToolbar(*w, "a0");
        for (const char* key : {"a9", "a10", "a11"}) {
            w->button(key)->setEnabled(true);
            clickToolbar(*w, key);
        }
        QCOMPARE(tools.count(), 3);
        QCOMPARE(tools.at(0).at(0).toInt(), 9);
        QCOMPARE(tools.at(2).at(0).toInt(), 11);
        QCOMPARE(w->session().workMode, int16_t(11));
        QCOMPARE(w->stb1()->text(1), QString(" VERIFICA ORTOGRAFICA di TEST "));
        QCOMPARE(w->imageA()->property("mode").toInt(), -1);
        QVERIFY(pressedModeButtons(*w).isEmpty());

        clickCell(*w, 1, 1);
        QCOMPARE(gridRows(*w), QStringList({"???", "???", "???"}));
        QCOMPARE(w->stb1()->text(4), QString(" R2 C2  "));
    }

    void fullHistoryIsEmptiedBeforeAnyButtonActs() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w.createGrid(10, 10);
        clickToolbar(*w, "a0");
        for (int k = 0; k < 100; ++k) clickCell(*w, k / 10, k % 10);
        QCOMPARE(w->session().history.historyPos, int16_t(300));
        QVERIFY(w.messages.empty());

        w->button("a12")->setEnabled(true);
        clickToolbar(*w, "a12");
        QCOMPARE(w.messages.size(), size_t(1));
        QCOMPARE(w.messages[0].title, QString("Attenzione!"));
        QCOMPARE(w.messages[0].text, QString("La memoria delle modifiche viene ora azzerarata"));
        QCOMPARE(w->session().history.historyPos, int16_t(0));
        QCOMPARE(pressedModeButtons(*w), QStringList{"a0"});

        // Undo now has nothing to take back: the grid keeps its hundred blocks.
        clickToolbar(*w, "a7");
        QCOMPARE(gridRows(*w).join("").count('#'), 100);
        QCOMPARE(w->stb1()->text(2), QString(" Annullo n. 1 "));
        QVERIFY(!w->button("a7")->isEnabled());
    }

    void aClickWhileBusyChangesNothing() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w.createGrid(3, 3);
        clickToolbar(*w, "a1");
        w->stb1()->setText(2, " ricerca in corso ... ");
        w->lists()->addItem("CASA -1");
        w->session().busyLevel = 2;
        clickToolbar(*w, "a3");
        QCOMPARE(w->session().workMode, int16_t(1));
        QCOMPARE(pressedModeButtons(*w), QStringList{"a1"});
        QCOMPARE(w->stb1()->text(2), QString(" ricerca in corso ... "));
        QCOMPARE(w->lists()->count(), 1);
        w->session().busyLevel = 0;
    }
};

QTEST_MAIN(ToolbarModesTest)
#include "toolbar_modes_test.moc"
