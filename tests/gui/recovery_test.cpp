#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "gui/files/document_flow.h"
#include "gui/files/save_prompt.h"
#include "gui/recovery/recovery_dialog.h"
#include "gui/recovery/recovery_slot.h"
#include "support/document_helpers.h"
#include "support/grid_input.h"
#include "support/test_window.h"

using namespace quirvo;
using namespace quirvo::test;

namespace {

StartupOptions quickCopies() {
    StartupOptions options = TestWindow::fastStartup();
    options.recoveryDelayMs = 20;
    return options;
}

// Every file of the recovery folder: the copies and their locks.
QStringList recoveryFiles() { return QDir(RecoverySlot::folder()).entryList(QDir::Files); }

QStringList copies() { return QDir(RecoverySlot::folder()).entryList({"*.recupero"}, QDir::Files); }

QByteArray onlyCopy() {
    const QStringList names = copies();
    return names.size() == 1 ? fileBytes(QDir(RecoverySlot::folder()).filePath(names[0])) : QByteArray();
}

RecoveryDialog* offered(TestWindow& w) {
    QWidget* dialog = shown(*w, "Recupero");
    return dialog ? static_cast<RecoveryDialog*>(dialog) : nullptr;
}

// Writes "RE" across the first row and a definition of it, as a user does,
// letting the copy be written after each.
void typeWordAndDefinition(TestWindow& w) {
    clickToolbar(*w, "a3");
    clickCell(*w, 0, 0);
    typeOnGrid(*w, "re");
    QTRY_VERIFY(onlyCopy().contains("\"RE?\""));
    w->menuItem("VediDefinizioni")->trigger();
    auto* list = w->findChild<QTreeWidget*>("ElencoDefinizioni");
    list->topLevelItem(0)->child(0)->setText(2, "Sovrano");
    QTRY_VERIFY(onlyCopy().contains("Sovrano"));
}

}  // namespace

class RecoveryTest : public QObject {
    Q_OBJECT

private slots:
    // Typed cells and a definition, a crash, and the next start gives them
    // back as a modified document under the file they belong to.
    void workComesBackAfterACrash() {
        for (const char* saved : {"", "schema.qrv"}) {
            TestWindow first(quickCopies());
            QVERIFY(first.waitLoaded());
            newGridByDialog(*first, "2", "3");
            const QString path = QDir(first.programFolder()).filePath(saved);
            if (*saved) {
                first->menuItem("Salvacome")->trigger();
                typeInChooser(*first, saved);
            }
            typeWordAndDefinition(first);
            first.crash();

            TestWindow next(quickCopies(), first.programFolder());
            QVERIFY(next.waitLoaded());
            RecoveryDialog* dialog = offered(next);
            QVERIFY(dialog);
            const QTreeWidgetItem* line = dialog->list()->topLevelItem(0);
            QCOMPARE(line->text(0), *saved ? QString(saved) : QString("(nuovo file)"));
            QVERIFY(!line->text(1).isEmpty());
            click(dialog, "Ripristina");
            QVERIFY(!offered(next));

            const Session& s = next->session();
            QCOMPARE(gridRows(*next), QStringList({"RE?", "???"}));
            QCOMPARE(s.definitions.all().at(0).text, std::string("Sovrano"));
            QCOMPARE(s.gridModified, int16_t(1));
            QCOMPARE(next->windowTitle(), "  QUIRVO   " + (*saved ? path : QString("(nuovo file)")));
            QCOMPARE(next->menuItem("Salva")->isEnabled(), *saved != 0);
            QCOMPARE(copies().size(), 1);  // the new run keeps the copy until a save
        }
    }

    // A save, a clean exit and a grid replaced after "Non Salvare" each
    // take the copy away with its lock.
    void noCopyAfterSaveExitOrDiscard() {
        const struct {
            const char* name;
            std::function<void(TestWindow&)> end;
        } endings[] = {
            {"save",
             [](TestWindow& w) {
                 w->menuItem("Salvacome")->trigger();
                 typeInChooser(*w, "fatto");
             }},
            {"exit without saving",
             [](TestWindow& w) {
                 w->menuItem("Esci")->trigger();
                 click(shown(*w, "Form0c"), "Command3");
                 QCOMPARE(w.quits, 1);
             }},
            {"new grid without saving",
             [](TestWindow& w) {
                 w->menuItem("Nuovo")->trigger();
                 click(shown(*w, "Form0c"), "Command3");
                 newGridByDialog(*w, "3", "3");
             }},
        };
        for (const auto& ending : endings) {
            TestWindow w(quickCopies());
            QVERIFY(w.waitLoaded());
            newGridByDialog(*w, "2", "3");
            typeWordAndDefinition(w);
            ending.end(w);
            QTRY_VERIFY2(recoveryFiles().isEmpty(), ending.name);
        }
    }

    // A fill writes its copy at once: the delay, an hour here, never passes.
    void fillIsCopiedAtOnce() {
        StartupOptions options = TestWindow::fastStartup();
        options.recoveryDelayMs = 3600 * 1000;
        TestWindow w(TestWindow::Files{{"base.diz", "AB\r\nCD\r\nAC\r\nBD\r\n"}}, options);
        QVERIFY(w.waitLoaded());
        w.createGrid(2, 2);
        w->menuItem("Riempi")->trigger();
        QTRY_COMPARE(w->session().busyLevel, int16_t(0));
        QTRY_COMPARE(copies().size(), 1);
        QVERIFY(onlyCopy().contains("\"AB\"") || onlyCopy().contains("\"AC\""));
    }

    // A program still running keeps its copy from another one starting;
    // once it has gone, the copy is offered. Work begun meanwhile is not
    // dropped for it, and "Scarta" deletes it.
    void aCopyIsOfferedOnceItsProgramHasGone() {
        TestWindow first(quickCopies());
        QVERIFY(first.waitLoaded());
        newGridByDialog(*first, "2", "3");
        typeWordAndDefinition(first);
        TestWindow second(quickCopies(), first.programFolder());
        QVERIFY(second.waitLoaded());
        QVERIFY(!offered(second));
        first.crash();

        TestWindow next(quickCopies(), first.programFolder());
        QVERIFY(next.waitLoaded());
        RecoveryDialog* dialog = offered(next);
        QVERIFY(dialog);
        newGridByDialog(*next, "2", "2");
        editCell(*next, 0, 0, 'X');
        click(dialog, "Ripristina");
        QCOMPARE(gridRows(*next), QStringList({"X?", "??"}));
        QVERIFY(next.messages.back().text.contains("non è stato salvato"));
        QVERIFY(offered(next));
        click(dialog, "Scarta");
        QVERIFY(!offered(next));
        QCOMPARE(copies().size(), 0);
    }
};

QTEST_MAIN(RecoveryTest)
#include "recovery_test.moc"
