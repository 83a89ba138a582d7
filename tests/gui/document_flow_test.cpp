#include <QAction>
#include <functional>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include "core/grid/cell_codes.h"
#include "support/document_helpers.h"
#include "support/grid_input.h"
#include "support/test_window.h"

using namespace quirvo;
using namespace quirvo::test;

namespace {

const QByteArray TWO_BY_TWO = "2,2\r\n\"??\"\r\n\"??\"\r\n";

// A started window whose program folder is a fresh folder and whose end of
// program is only counted.
struct Desk {
    TestWindow w;
    QTemporaryDir dir;
    int quits = 0;

    Desk() {
        w.waitLoaded();
        w->session().programFolder = dir.path().toStdString();
        w->controllers().documentFlow().setQuitFunction([this] { ++quits; });
    }
    Session& s() { return w->session(); }
    QString path(const char* name) const { return dir.filePath(name); }
    QWidget* window(const char* name) { return shown(*w, name); }

    void newGrid(const char* rows, const char* cols) { newGridByDialog(*w, rows, cols); }
    // Types a name in the chooser's folder and confirms it.
    void typeAndConfirm(const char* name) { typeInChooser(*w, name); }
    void saveAs(const char* name) {
        w->menuItem("Salvacome")->trigger();
        typeAndConfirm(name);
    }
    void pickAndConfirm(const char* name) { pickInChooser(*w, name); }
    bool pendingNone() { return !s().exitAfterSave && !s().newAfterSave && !s().openAfterSave; }
};

}  // namespace

class DocumentFlowTest : public QObject {
    Q_OBJECT

private slots:
    void newGridSaveReopenAndSaveAgain() {
        Desk t;
        QVERIFY(!t.w->menuItem("Salva")->isEnabled());
        QVERIFY(!t.w->menuItem("Salvacome")->isEnabled());
        t.newGrid("2", "2");
        QVERIFY(!t.window("Form0a"));
        QCOMPARE(t.w->windowTitle(), QString("  QUIRVO   (nuovo file)"));
        QVERIFY(!t.w->menuItem("Salva")->isEnabled());
        QVERIFY(t.w->menuItem("Salvacome")->isEnabled());
        QCOMPARE(t.s().grid.gridRows, (std::vector<std::string>{"??", "??", "??"}));
        QCOMPARE(t.s().grid.maxWordLen, int16_t(2));
        QVERIFY(t.w->button("a0")->isEnabled());

        t.w->menuItem("Salvacome")->trigger();
        QWidget* form0b = t.window("Form0b");
        QCOMPARE(form0b->windowTitle(), QString("   SALVA IL FILE"));
        QVERIFY(!form0b->findChild<QPushButton*>("Command1")->isEnabled());
        t.typeAndConfirm("x");
        const QString x = t.path("x.qrv");
        QCOMPARE(fileBytes(x), TWO_BY_TWO);
        QVERIFY(!t.window("Form0b"));
        QCOMPARE(t.w->windowTitle(), "  QUIRVO   " + x);
        QCOMPARE(QString::fromStdString(t.s().filePath), x);
        QVERIFY(t.w->menuItem("Salva")->isEnabled());
        QCOMPARE(t.s().gridModified, int16_t(0));

        editCell(*t.w, 1, 0, 'A');
        t.w->menuItem("Salva")->trigger();
        QCOMPARE(fileBytes(x), QByteArray("2,2\r\n\"??\"\r\n\"A?\"\r\n"));
        QCOMPARE(t.s().gridModified, int16_t(0));
        QCOMPARE(t.w->windowTitle(), "  QUIRVO   " + x);

        t.newGrid("3", "3");
        t.w->menuItem("Apri")->trigger();
        form0b = t.window("Form0b");
        QCOMPARE(form0b->windowTitle(), QString("   APRI UN FILE"));
        QVERIFY(!form0b->findChild<QPushButton*>("Command1")->isEnabled());
        QVERIFY(!form0b->findChild<QLineEdit*>("Text1")->isEnabled());
        t.pickAndConfirm("x.qrv");
        QCOMPARE(t.s().grid.rowCount, int16_t(2));
        QCOMPARE(t.s().grid.gridRows, (std::vector<std::string>{"??", "A?", ""}));
        QCOMPARE(t.w->windowTitle(), "  QUIRVO   " + x);
        QCOMPARE(t.s().workMode, int16_t(9));
        QVERIFY(t.w->menuItem("Salva")->isEnabled() && t.w->menuItem("Salvacome")->isEnabled());
        QCOMPARE(t.s().chooserFolder, t.dir.path().toStdString());
    }

    void newOnModifiedGridWithEachAnswer() {
        Desk t;
        t.newGrid("2", "2");
        editCell(*t.w, 0, 0, 'B');

        // Annullo: nothing changes, and a later save starts no New.
        t.w->menuItem("Nuovo")->trigger();
        QWidget* form0c = t.window("Form0c");
        QVERIFY(form0c);
        QCOMPARE(form0c->windowTitle(), QString("   ATTENZIONE!"));
        QCOMPARE(form0c->findChild<QLabel*>("Label1")->text(),
                 QString("Il file  è stato modificato ma non è stato salvato"));
        QCOMPARE(t.s().newAfterSave, int16_t(1));
        click(form0c, "Command2");
        QVERIFY(!t.window("Form0c"));
        QVERIFY(t.pendingNone());
        QCOMPARE(t.s().gridModified, int16_t(1));
        t.saveAs("a");
        QVERIFY(!t.window("Form0a"));
        QCOMPARE(fileBytes(t.path("a.qrv")), QByteArray("2,2\r\n\"B?\"\r\n\"??\"\r\n"));

        // The close box acts as Annullo.
        editCell(*t.w, 0, 1, 'C');
        t.w->menuItem("Nuovo")->trigger();
        t.window("Form0c")->close();
        QVERIFY(t.pendingNone());
        QVERIFY(!t.window("Form0a"));

        // Salvare Ora: the chooser saves the modified grid to its file at
        // once, then the size dialog opens and the prompt does not return.
        t.w->menuItem("Nuovo")->trigger();
        click(t.window("Form0c"), "Command1");
        QVERIFY(!t.window("Form0c"));
        QWidget* form0b = t.window("Form0b");
        QCOMPARE(form0b->windowTitle(), QString("   FILE MODIFICATO, SALVARE?"));
        auto* ok = form0b->findChild<QPushButton*>("Command1");
        QCOMPARE(ok->text(), QString("Salva"));
        QVERIFY(ok->isEnabled());
        QCOMPARE(form0b->palette().color(QPalette::Window), QColor(255, 255, 150));
        click(form0b, "Command1");
        QCOMPARE(fileBytes(t.path("a.qrv")), QByteArray("2,2\r\n\"BC\"\r\n\"??\"\r\n"));
        QVERIFY(!t.window("Form0b"));
        QVERIFY(t.window("Form0a"));
        QVERIFY(!t.window("Form0c"));
        QVERIFY(t.pendingNone());
        t.window("Form0a")->close();

        // Non Salvare: the size dialog opens; the changes are dropped when
        // it builds the new grid.
        editCell(*t.w, 1, 1, 'D');
        t.w->menuItem("Nuovo")->trigger();
        click(t.window("Form0c"), "Command3");
        QVERIFY(!t.window("Form0c"));
        QVERIFY(t.window("Form0a"));
        QCOMPARE(t.s().gridModified, int16_t(1));
        QVERIFY(t.pendingNone());
        QCOMPARE(t.s().chooserFolder, t.s().programFolder);
        QTest::keyClicks(t.window("Form0a")->findChild<QLineEdit*>("Text1"), "3");
        QTest::keyClicks(t.window("Form0a")->findChild<QLineEdit*>("Text2"), "3");
        click(t.window("Form0a"), "Command1");
        QCOMPARE(t.s().grid.rowCount, int16_t(3));
        QCOMPARE(t.s().gridModified, int16_t(0));
        QCOMPARE(t.quits, 0);
    }

    // Until a New or an Open really replaces the grid, its changes stay
    // unsaved: every way of backing out leaves them guarded by the prompt.
    void backingOutAfterTheAnswerKeepsTheChanges() {
        Desk t;
        t.newGrid("2", "2");
        t.saveAs("buono");
        writeBytes(t.path("rotto.qrv"), "2,2\r\n\"??\"\r\n");
        const struct {
            const char* command;
            const char* answer;
            std::function<void(Desk&)> backOut;
        } routes[] = {
            {"Nuovo", "Command3", [](Desk& d) { click(d.window("Form0a"), "Command2"); }},
            {"Nuovo", "Command3", [](Desk& d) { d.window("Form0a")->close(); }},
            {"Apri", "Command3", [](Desk& d) { click(d.window("Form0b"), "Command2"); }},
            {"Apri", "Command3",
             [](Desk& d) {
                 d.pickAndConfirm("rotto.qrv");
                 QVERIFY(d.w.messages.back().text.contains("non è cambiato"));
                 d.window("Form0b")->close();
             }},
            {"Nuovo", "Command1", [](Desk& d) { click(d.window("Form0b"), "Command2"); }},
            {"Apri", "Command1", [](Desk& d) { d.window("Form0b")->close(); }},
        };
        for (const auto& route : routes) {
            editCell(*t.w, 0, 0, 'M');
            t.w->menuItem(route.command)->trigger();
            click(t.window("Form0c"), route.answer);
            route.backOut(t);
            for (const char* name : {"Form0a", "Form0b", "Form0c"}) QVERIFY2(!t.window(name), name);
            QCOMPARE(t.s().gridModified, int16_t(1));
            QCOMPARE(t.s().grid.cell(0, 0), 'M');
            for (const char* later : {"Esci", "Nuovo", "Apri"}) {
                t.w->menuItem(later)->trigger();
                QVERIFY2(t.window("Form0c"), later);
                click(t.window("Form0c"), "Command2");
            }
            QCOMPARE(t.quits, 0);
            t.w->menuItem("Salva")->trigger();
        }

        // An edit made after the answer is not covered by it.
        editCell(*t.w, 0, 0, 'N');
        t.w->menuItem("Apri")->trigger();
        click(t.window("Form0c"), "Command3");
        QCOMPARE(t.window("Form0b")->windowTitle(), QString("   APRI UN FILE"));
        editCell(*t.w, 1, 1, 'O');
        t.pickAndConfirm("buono.qrv");
        QVERIFY(t.w.messages.back().text.contains("modificato"));
        QCOMPARE(t.s().grid.cell(1, 1), 'O');
        QCOMPARE(t.s().gridModified, int16_t(1));
    }

    // What the slot buttons would search belongs to the grid that has gone.
    void aNewOrOpenedGridHasNoSlotUnderWork() {
        Desk t;
        t.newGrid("2", "4");
        t.saveAs("vuoto");
        for (const char* command : {"Apri", "Nuovo"}) {
            clickToolbar(*t.w, "a1");
            clickCell(*t.w, 1, 2);
            QVERIFY(t.w->command(4)->isEnabled());
            QVERIFY(!t.s().slot.slotPattern.empty());
            t.w->menuItem(command)->trigger();
            if (t.window("Form0b"))
                t.pickAndConfirm("vuoto.qrv");
            else {
                QTest::keyClicks(t.window("Form0a")->findChild<QLineEdit*>("Text1"), "2");
                QTest::keyClicks(t.window("Form0a")->findChild<QLineEdit*>("Text2"), "4");
                click(t.window("Form0a"), "Command1");
            }
            for (int n = 1; n <= 4; ++n) QVERIFY2(!t.w->command(n)->isEnabled(), command);
            QVERIFY(t.s().slot.slotPattern.empty() && t.s().slot.slotFull.empty());
            QVERIFY(t.s().slot.headCut.empty() && t.s().slot.tailCut.empty());
            QCOMPARE(t.s().curRow, int16_t(0));
            QCOMPARE(t.s().curCol, int16_t(0));
        }
    }

    void openOnModifiedGridAndCancellingTheChooser() {
        Desk t;
        t.newGrid("2", "2");
        editCell(*t.w, 0, 0, 'E');

        // A never saved grid: the chooser cannot save before a name is given.
        t.w->menuItem("Apri")->trigger();
        QCOMPARE(t.s().openAfterSave, int16_t(1));
        click(t.window("Form0c"), "Command1");
        QWidget* form0b = t.window("Form0b");
        QVERIFY(!form0b->findChild<QPushButton*>("Command1")->isEnabled());
        click(form0b, "Command2");
        QVERIFY(!t.window("Form0b"));
        QVERIFY(t.pendingNone());
        QCOMPARE(t.s().saveAsPending, int16_t(0));
        QCOMPARE(t.s().gridModified, int16_t(1));

        // With a name typed, the save is followed by a fresh chooser to open.
        t.w->menuItem("Apri")->trigger();
        click(t.window("Form0c"), "Command1");
        form0b = t.window("Form0b");
        t.typeAndConfirm("e");
        QCOMPARE(fileBytes(t.path("e.qrv")), QByteArray("2,2\r\n\"E?\"\r\n\"??\"\r\n"));
        QWidget* again = t.window("Form0b");
        QVERIFY(again && again != form0b);
        QCOMPARE(again->windowTitle(), QString("   APRI UN FILE"));
        QCOMPARE(again->findChild<QLineEdit*>("Text1")->text(), QString("e.qrv"));
        QCOMPARE(t.s().openAfterSave, int16_t(0));

        // Non Salvare on a pending Open opens the chooser straight away.
        click(again, "Command2");
        editCell(*t.w, 1, 0, 'F');
        t.w->menuItem("Apri")->trigger();
        click(t.window("Form0c"), "Command3");
        QCOMPARE(t.window("Form0b")->windowTitle(), QString("   APRI UN FILE"));
        t.pickAndConfirm("e.qrv");
        QCOMPARE(t.s().grid.gridRows[1], std::string("??"));
        QVERIFY(t.pendingNone());
    }

    void exitAndClosingTheWindow() {
        Desk t;
        t.w->menuItem("Esci")->trigger();
        QCOMPARE(t.quits, 1);

        t.newGrid("2", "2");
        editCell(*t.w, 0, 0, 'G');
        QVERIFY(!t.w->close());
        QVERIFY(t.w->isVisible());
        QCOMPARE(t.s().exitAfterSave, int16_t(1));
        click(t.window("Form0c"), "Command2");
        QCOMPARE(t.quits, 1);
        t.saveAs("g");
        QCOMPARE(t.quits, 1);

        editCell(*t.w, 0, 1, 'H');
        t.w->menuItem("Esci")->trigger();
        click(t.window("Form0c"), "Command3");
        QCOMPARE(t.quits, 2);
        QCOMPARE(fileBytes(t.path("g.qrv")), QByteArray("2,2\r\n\"G?\"\r\n\"??\"\r\n"));

        editCell(*t.w, 1, 1, 'I');
        t.w->menuItem("Esci")->trigger();
        click(t.window("Form0c"), "Command1");
        click(t.window("Form0b"), "Command1");
        QCOMPARE(t.quits, 3);
        QCOMPARE(fileBytes(t.path("g.qrv")), QByteArray("2,2\r\n\"GH\"\r\n\"?I\"\r\n"));
    }

    void nothingWhileASearchRuns() {
        Desk t;
        t.newGrid("2", "2");
        t.saveAs("m");
        editCell(*t.w, 1, 0, 'J');
        t.s().busyLevel = 2;
        for (const char* item : {"Esci", "Nuovo", "Apri", "Salva", "Salvacome"}) t.w->menuItem(item)->trigger();
        QVERIFY(!t.w->close());
        for (const char* name : {"Form0a", "Form0b", "Form0c"}) QVERIFY(!t.window(name));
        QVERIFY(t.pendingNone());
        QCOMPARE(t.s().saveAsPending, int16_t(0));
        QCOMPARE(t.quits, 0);
        QCOMPARE(fileBytes(t.path("m.qrv")), TWO_BY_TWO);
    }

    void failedSavesLoseNothing() {
        Desk t;
        t.newGrid("2", "2");
        t.saveAs("k");
        editCell(*t.w, 0, 0, 'K');

        // The file's folder has gone: Exit is not carried out.
        const std::string gone = t.path("gone/k.qrv").toStdString();
        t.s().filePath = gone;
        t.w->menuItem("Esci")->trigger();
        click(t.window("Form0c"), "Command1");
        QWidget* form0b = t.window("Form0b");
        click(form0b, "Command1");
        QCOMPARE(t.w.messages.size(), size_t(1));
        QVERIFY(t.w.messages[0].text.contains(QString::fromStdString(gone)));
        QCOMPARE(t.quits, 0);
        QCOMPARE(t.s().gridModified, int16_t(1));
        QCOMPARE(t.s().filePath, gone);
        QCOMPARE(t.window("Form0b"), form0b);
        click(form0b, "Command2");

        // A folder stands where the file should be: Salva reports it.
        QVERIFY(QDir(t.dir.path()).mkdir("cartella.qrv"));
        t.s().filePath = t.path("cartella.qrv").toStdString();
        t.w->menuItem("Salva")->trigger();
        QCOMPARE(t.w.messages.size(), size_t(2));
        QCOMPARE(t.w.messages[1].title, QString("Attenzione!"));
        QCOMPARE(t.s().gridModified, int16_t(1));
        QVERIFY(QFileInfo(t.path("cartella.qrv")).isDir());
        QCOMPARE(fileBytes(t.path("k.qrv")), TWO_BY_TWO);
    }

    void refusedFileChangesNothing() {
        Desk t;
        t.newGrid("2", "2");
        t.saveAs("buono");
        writeBytes(t.path("rotto.qrv"), "2,2\r\n\"??\"\r\n");
        const Grid before = t.s().grid;
        const QString title = t.w->windowTitle();

        t.w->menuItem("Apri")->trigger();
        t.pickAndConfirm("rotto.qrv");
        QCOMPARE(t.w.messages.size(), size_t(1));
        QVERIFY(t.w.messages[0].text.contains(t.path("rotto.qrv")));
        QVERIFY(t.w.messages[0].text.contains("1 righe dello schema invece di 2"));
        QCOMPARE(t.s().grid.gridRows, before.gridRows);
        QCOMPARE(t.s().filePath, t.path("buono.qrv").toStdString());
        QCOMPARE(t.s().gridModified, int16_t(0));
        QCOMPARE(t.w->windowTitle(), title);
        QVERIFY(t.window("Form0b"));
    }

    void openChooserNeverOverwritesTheFileToOpen() {
        Desk t;
        t.newGrid("2", "2");
        t.saveAs("altro");
        t.w->menuItem("Apri")->trigger();
        editCell(*t.w, 0, 0, 'L');
        t.pickAndConfirm("altro.qrv");
        QCOMPARE(fileBytes(t.path("altro.qrv")), TWO_BY_TWO);
        QCOMPARE(t.s().grid.cell(0, 0), 'L');
        QCOMPARE(t.w.messages.size(), size_t(1));

        // Asked for again by "Salva come...", the same chooser turns to saving.
        QWidget* form0b = t.window("Form0b");
        t.w->menuItem("Salvacome")->trigger();
        QCOMPARE(t.window("Form0b"), form0b);
        QCOMPARE(form0b->windowTitle(), QString("   SALVA IL FILE"));
        t.typeAndConfirm("schema.Qrv");
        QCOMPARE(fileBytes(t.path("schema.Qrv.qrv")), QByteArray("2,2\r\n\"L?\"\r\n\"??\"\r\n"));
    }
};

QTEST_MAIN(DocumentFlowTest)
#include "document_flow_test.moc"
