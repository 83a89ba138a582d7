#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <random>
#include <set>

#include "../core/support/dictionary_builders.h"

#include "core/grid/cell_codes.h"
#include "gui/app/status_panels.h"
#include "gui/display/grid_view.h"
#include "support/grid_input.h"
#include "support/test_window.h"

using namespace quirvo;
using namespace quirvo::test;

namespace {

constexpr int ROWS = 6, COLS = 8;

// Random user input on a real window, with the grid's invariants checked
// after every step. QUIRVO_MONKEY_SEED replays a failing run.
class Monkey {
public:
    Monkey(TestWindow& w, unsigned seed) : w_(w), rng_(seed) {}

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    double fraction() { return std::uniform_real_distribution<double>(0.02, 0.98)(rng_); }

    // A base dictionary of short words over a few letters, so that slot
    // searches and crossing trials find something; some end in a vowel set.
    std::string dictionary() {
        std::set<std::string> words;
        const std::string letters = "ACEIORST";
        while (words.size() < 400) {
            std::string word;
            const int len = 2 + pick(7);
            for (int i = 0; i < len; ++i) word += letters[pick(int(letters.size()))];
            if (pick(5) == 0) word.back() = "!%@"[pick(3)];
            words.insert(word);
        }
        std::string text;
        for (const std::string& word : words) text += word + "\r\n";
        return text;
    }

    QString step() {
        if (pick(30) == 0) return fill();
        switch (pick(10)) {
        case 0:
        case 1:
        case 2: return clickSomewhere();
        case 3: return drag();
        case 4:
        case 5: return key();
        case 6: return toolbar();
        default: return listClick();
        }
    }

    // A short time limit, so that a fill that finds nothing soon gives up.
    void shortFills() {
        w_->menuItem("OpzioniRiempi")->trigger();
        auto* dialog = w_->findChild<QDialog*>("OpzioniRiempimento");
        QVERIFY(dialog);
        dialog->findChild<QSpinBox*>("TempoMassimo")->setValue(1);
        QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    }

private:
    QString clickSomewhere() {
        const int r = pick(ROWS), c = pick(COLS);
        clickCell(*w_, r, c, fraction(), fraction());
        return QStringLiteral("click %1,%2").arg(r).arg(c);
    }

    QString drag() {
        const int r1 = pick(ROWS), c1 = pick(COLS), r2 = pick(ROWS), c2 = pick(COLS);
        dragCells(*w_, r1, c1, r2, c2);
        return QStringLiteral("drag %1,%2 -> %3,%4").arg(r1).arg(c1).arg(r2).arg(c2);
    }

    QString key() {
        static const Qt::Key keys[] = {Qt::Key_A,     Qt::Key_E,    Qt::Key_S,         Qt::Key_Z,
                                       Qt::Key_Space, Qt::Key_Left, Qt::Key_Right,     Qt::Key_Up,
                                       Qt::Key_Down,  Qt::Key_Tab,  Qt::Key_Backspace, Qt::Key_5,
                                       Qt::Key_Control, Qt::Key_Egrave, Qt::Key_Escape};
        const Qt::Key k = keys[pick(std::size(keys))];
        const Qt::KeyboardModifiers mods = pick(6) == 0 ? Qt::ShiftModifier : Qt::NoModifier;
        QTest::keyClick(w_->peri(), k, mods);
        return QStringLiteral("key %1 mods %2").arg(int(k), 0, 16).arg(int(mods), 0, 16);
    }

    // A fill of the grid or of the slot under work, left to finish or
    // stopped from panel 2 at once.
    QString fill() {
        const char* item = pick(2) ? "Riempi" : "RiempiParola";
        w_->menuItem(item)->trigger();
        const bool stopped = pick(2) == 0;
        if (stopped) QTest::mouseClick(w_->stb1()->panel(2), Qt::LeftButton);
        const bool ended = QTest::qWaitFor([this] { return w_->session().busyLevel == 0; }, 10000);
        return QStringLiteral("%1%2%3").arg(item, stopped ? " stopped" : "", ended ? "" : " (still running)");
    }

    QString toolbar() {
        static const char* keys[] = {"a0", "a1", "a2", "a3", "a4", "a5", "a6", "a7", "a8", "a7", "a8", "a9", "a10", "a11"};
        const char* k = keys[pick(std::size(keys))];
        if (w_->button(k)->isEnabled()) clickToolbar(*w_, k);
        return QStringLiteral("toolbar %1").arg(k);
    }

    QString randomWord(int length) {
        QString word;
        for (int i = 0; i < length; ++i) word += QChar('A' + pick(26));
        return word;
    }

    // Lines of the forms every mode's list may hold, with a slot as a
    // search would have left it.
    void offerLines() {
        Session& s = w_->session();
        s.slot.slotColFirst = int16_t(pick(COLS));
        s.slot.slotRowFirst = int16_t(pick(ROWS));
        s.outline = {int16_t(pick(COLS)), int16_t(pick(ROWS)), 1, 1};
        const int n = 1 + pick(4);
        for (int i = 0; i < n; ++i) {
            const int len = 1 + pick(COLS + 1);
            switch (pick(8)) {
            case 0: w_->lists()->addItem(randomWord(len) + QStringLiteral(" -%1").arg(1 + pick(6))); break;
            case 1: w_->lists()->addItem(randomWord(len) + "(AE) -1"); break;
            case 2: w_->lists()->addItem(QString(pick(3), ' ') + randomWord(len) + " -2"); break;
            case 3: w_->lists()->addItem(randomWord(1) + " (Oriz.-2 / Vert.-1)"); break;
            case 4: w_->lists()->addItem("=" + randomWord(len)); break;
            case 5: w_->lists()->addItem("=         sinonimi         ="); break;
            case 6: w_->lists()->addItem(" nessun Anagramma "); break;
            default: w_->lists()->addItem(randomWord(len)); break;
            }
        }
    }

    QString listClick() {
        if (w_->lists()->count() == 0) offerLines();
        const QString line = w_->lists()->item(pick(w_->lists()->count()))->text();
        clickListLine(*w_, line);
        return "list " + line;
    }

    TestWindow& w_;
    std::mt19937 rng_;
};

// Grid and history with every group taken back.
Grid undoneAll(const Grid& g, ChangeHistory history) {
    Grid grid = g;
    while (history.historyPos > 0 && !undoGroup(grid, history).failed) {
    }
    return grid;
}

// Whatever went wrong, or an empty text. baseline: the grid as it was
// when the history last started empty.
QString brokenInvariant(MainWindow& w, const Grid& baseline) {
    const Session& s = w.session();
    const Grid& g = s.grid;
    for (int r = 0; r < g.rowCount; ++r)
        if (int(g.gridRows[r].size()) != g.colCount) return QStringLiteral("row %1 changed length").arg(r);
    const ChangeHistory& h = s.history;
    if (h.historyPos % 3 != 0 || h.historyPos > h.historyTop || h.historyTop > ChangeHistory::CAPACITY)
        return "history positions out of order";
    if (s.busyLevel != 0) return "left busy";
    // Undo everything, then redo up to where the history stands, on copies
    // of the grid and history.
    Grid grid = g;
    ChangeHistory history = h;
    while (history.historyPos > 0)
        if (undoGroup(grid, history).failed) return "undo walked outside the grid";
    while (history.historyPos < h.historyPos)
        if (redoGroup(grid, history).failed || history.historyPos > h.historyPos)
            return "redo walked outside the grid or past the groups";
    if (undoneAll(g, h).gridRows != baseline.gridRows) return "undo all does not lead back to the start";
    if (grid.gridRows != g.gridRows) return "undo all + redo all differs from the grid";
    return {};
}

}  // namespace

class EditingMonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void randomInputKeepsTheGridSoundAndUndoable() {
        const QByteArray fixed = qgetenv("QUIRVO_MONKEY_SEED");
        const unsigned seed = fixed.isEmpty() ? std::random_device{}() : fixed.toUInt();
        TestWindow w;
        QVERIFY(w.waitLoaded());
        Monkey monkey(w, seed);
        // Before the grid, so the check and the fill read these words too.
        testing::installDictionary(w->session(), 1, makeDictionary("base.diz", monkey.dictionary()));
        w.createGrid(ROWS, COLS);
        QVERIFY(w->menuItem("Controllo")->isChecked());
        monkey.shortFills();
        for (const char* k : {"a9", "a10", "a11"}) w->button(k)->setEnabled(true);
        Grid baseline = w->session().grid;
        setMessageHook(w.get(), [&](const ShownMessage& m) {
            w.messages.push_back(m);
            if (m.text.startsWith("La memoria")) baseline = undoneAll(w->session().grid, w->session().history);
        });
        QStringList recent;
        for (int i = 0; i < 3000; ++i) {
            recent << monkey.step();
            if (recent.size() > 8) recent.removeFirst();
            const QString broken = brokenInvariant(*w, baseline);
            QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("seed %1, step %2: %3 after\n  %4")
                                                      .arg(seed).arg(i).arg(broken, recent.join("\n  "))));
        }
        for (const ShownMessage& m : w.messages)
            QVERIFY2(m.text.startsWith("La memoria"), qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(m.text)));

        // The same round trip through the toolbar buttons.
        const QStringList before = gridRows(*w);
        const int16_t position = w->session().history.historyPos;
        while (w->button("a7")->isEnabled()) clickToolbar(*w, "a7");
        while (w->session().history.historyPos < position && w->button("a8")->isEnabled()) clickToolbar(*w, "a8");
        QVERIFY2(gridRows(*w) == before, qPrintable(QStringLiteral("seed %1").arg(seed)));
    }
};

QTEST_MAIN(EditingMonkeyTest)
#include "editing_monkey_test.moc"
