#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QTest>
#include <QTreeWidget>

#include "gui/app/status_panels.h"
#include "gui/display/grid_view.h"
#include "gui/files/file_chooser.h"
#include "gui/files/size_dialog.h"
#include "gui/publish/page_dialog.h"
#include "gui/publish/publish_commands.h"
#include "support/document_helpers.h"
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

// Keys reach the active window only: a click may have left none active
// offscreen, so the window is made active first.
void press(QWidget* on, const Delivery& d) {
    on->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(on->window()));
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

// Ctrl (and Shift) with a letter: the text is the letter's control character.
Delivery ctrl(const char* layout, Qt::Key key, bool shift = false) {
    const QChar control(key - Qt::Key_A + 1);
    return {layout, shift ? "Ctrl+Shift" : "Ctrl", key, shift ? CTRL_SHIFT : CTRL, QString(control)};
}

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

    // Saving and the walks through the history by key, as the menu item and
    // the toolbar buttons do them; nothing at all while a search runs.
    void saveUndoAndRedoByKey() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        newGridByDialog(*w, "2", "4");
        clickToolbar(*w, "a3");
        clickCell(*w, 0, 0);
        typeOnGrid(*w, "ab");
        press(w->peri(), ctrl("us", Qt::Key_S, true));
        QVERIFY(w->controllers().documentFlow().form0b());
        typeInChooser(*w, "tasti");
        const QString path = QDir(w.programFolder()).filePath("tasti.qrv");
        QCOMPARE(fileBytes(path), QByteArray("2,4\r\n\"AB??\"\r\n\"????\"\r\n"));

        for (const char* layout : {"it", "us"}) {
            const QString written = QString("AB%1?").arg(layout[0] == 'i' ? 'C' : 'D');
            typeOnGrid(*w, written.mid(2, 1));
            press(w->peri(), ctrl(layout, Qt::Key_S));
            QCOMPARE(fileBytes(path), QByteArray("2,4\r\n\"") + written.toLatin1() + "\"\r\n\"????\"\r\n");
            QCOMPARE(w->session().gridModified, int16_t(0));
            press(w->peri(), ctrl(layout, Qt::Key_Z));
            QCOMPARE(gridRows(*w)[0], QString("AB??"));
            press(w->peri(), ctrl(layout, Qt::Key_Y));
            QCOMPARE(gridRows(*w)[0], written);
            press(w->peri(), ctrl(layout, Qt::Key_Z));
            press(w->peri(), ctrl(layout, Qt::Key_Z, true));
            QCOMPARE(gridRows(*w)[0], written);
            press(w->peri(), ctrl(layout, Qt::Key_Z));
            QCOMPARE(w->stb1()->text(2), QString(" Annullo n. 3 "));
            clickCell(*w, 0, 2);
        }

        w->session().busyLevel = 2;
        for (Qt::Key key : {Qt::Key_Z, Qt::Key_Y, Qt::Key_S, Qt::Key_N, Qt::Key_O, Qt::Key_P, Qt::Key_E})
            press(w->peri(), ctrl("it", key));
        w->session().busyLevel = 0;
        QCOMPARE(gridRows(*w)[0], QString("AB??"));
        QCOMPARE(fileBytes(path), QByteArray("2,4\r\n\"ABD?\"\r\n\"????\"\r\n"));
        QVERIFY(!w->controllers().documentFlow().form0a() && !w->controllers().documentFlow().form0c());
        QVERIFY(!w->controllers().publish().pageDialog() && !w->controllers().publish().fileDialog());
    }

    // In the definitions panel the undo key takes back a definition; on the
    // grid, a letter.
    void undoKeyFollowsTheFocus() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        newGridByDialog(*w, "2", "3");
        clickToolbar(*w, "a3");
        clickCell(*w, 0, 0);
        typeOnGrid(*w, "re");
        w->menuItem("VediDefinizioni")->trigger();
        auto* list = w->findChild<QTreeWidget*>("ElencoDefinizioni");
        list->setCurrentItem(list->topLevelItem(0)->child(0));
        list->currentItem()->setText(2, "Sovrano");
        QCOMPARE(w->session().definitions.attached().size(), size_t(1));
        const Delivery undo = ctrl("it", Qt::Key_Z);
        list->setFocus();
        press(list, undo);
        QVERIFY(w->session().definitions.empty());
        QCOMPARE(gridRows(*w)[0], QString("RE?"));
        w->peri()->setFocus();
        press(w->peri(), undo);
        QCOMPARE(gridRows(*w)[0], QString("R??"));
    }

    // Each File key opens what its menu item opens.
    void fileKeysOpenTheirWindows() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w.createGrid(2, 2);
        DocumentFlow& flow = w->controllers().documentFlow();
        PublishCommands& publish = w->controllers().publish();
        const struct {
            Qt::Key key;
            std::function<QWidget*()> opened;
        } rows[] = {
            {Qt::Key_N, [&] { return static_cast<QWidget*>(flow.form0a()); }},
            {Qt::Key_O, [&] { return flow.form0b() && flow.form0b()->mode() == ChooserMode::Open ? flow.form0b() : nullptr; }},
            {Qt::Key_P, [&] { return static_cast<QWidget*>(publish.pageDialog()); }},
            {Qt::Key_E, [&] { return static_cast<QWidget*>(publish.fileDialog()); }},
        };
        for (const auto& row : rows) {
            press(w->peri(), ctrl("it", row.key));
            QWidget* opened = row.opened();
            QVERIFY2(opened, qPrintable(QString("Ctrl+%1").arg(QChar(row.key))));
            opened->close();
        }
    }
};

QTEST_MAIN(KeysTest)
#include "keys_test.moc"
