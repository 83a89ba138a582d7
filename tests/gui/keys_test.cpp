#include <QAction>
#include <QTest>

#include "gui/display/grid_view.h"
#include "support/grid_input.h"
#include "support/test_window.h"

using namespace quirvo;
using namespace quirvo::test;

namespace {

// A key as a keyboard layout hands it to the program: Qt's key, the
// modifiers and the text. Taken from the events the program receives under
// X11 with the Italian and the US layouts.
struct Delivery {
    const char* layout;
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    QString text;
};

const Qt::KeyboardModifiers CTRL = Qt::ControlModifier;
const Qt::KeyboardModifiers ALT = Qt::AltModifier;
const Qt::KeyboardModifiers CTRL_SHIFT = Qt::ControlModifier | Qt::ShiftModifier;

void press(QWidget* on, const Delivery& d) {
    QTest::sendKeyEvent(QTest::Press, on, d.key, d.text, d.mods);
    QTest::sendKeyEvent(QTest::Release, on, d.key, d.text, d.mods);
}

// The letters are where they are on both layouts; the two differ in what
// AltGr makes of a letter.
const Delivery COMMAND_LETTERS[] = {
    {"it", "Ctrl+S", Qt::Key_S, CTRL, QString(QChar(0x13))},
    {"us", "Ctrl+S", Qt::Key_S, CTRL, QString(QChar(0x13))},
    {"it", "Ctrl+A", Qt::Key_A, CTRL, QString(QChar(0x01))},
    {"us", "Ctrl+Shift+S", Qt::Key_S, CTRL_SHIFT, QString(QChar(0x13))},
    {"it", "Alt+F", Qt::Key_F, ALT, "f"},
    {"us", "Alt+F", Qt::Key_F, ALT, "f"},
    {"it", "Ctrl+Alt+E", Qt::Key_E, CTRL | ALT, QString(QChar(0x05))},
    {"it", "Ctrl+Space", Qt::Key_Space, CTRL, QString(QChar(0))},
    {"us", "Alt+Space", Qt::Key_Space, ALT, " "},
    {"it", "AltGr+E", Qt::Key(0x20AC), Qt::GroupSwitchModifier, QString(QChar(0x20AC))},
};

}  // namespace

class KeysTest : public QObject {
    Q_OBJECT

private slots:
    // Whatever the key means elsewhere, held with Ctrl or Alt a letter or
    // the space bar never reaches the cells.
    void lettersWithCtrlOrAltNeverWrite() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w.createGrid(3, 4);
        w.setRows({"ABCD", "????", "????"});
        for (const char* mode : {"a3", "a4"}) {
            clickToolbar(*w, mode);
            clickCell(*w, 0, 1);
            for (const Delivery& d : COMMAND_LETTERS) {
                press(w->peri(), d);
                QVERIFY2(gridRows(*w) == QStringList({"ABCD", "????", "????"}),
                         qPrintable(QString("%1 %2 %3").arg(mode, d.layout, d.name)));
                QCOMPARE(w->session().curCol, int16_t(1));
            }
        }
        QCOMPARE(w->session().gridModified, int16_t(0));
        press(w->peri(), {"it", "E", Qt::Key_E, Qt::NoModifier, "e"});
        QCOMPARE(gridRows(*w)[0], QString("AECD"));
    }
};

QTEST_MAIN(KeysTest)
#include "keys_test.moc"
