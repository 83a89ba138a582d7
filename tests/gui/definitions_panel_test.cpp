#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "core/formats/definitions_file.h"
#include "gui/definitions/definitions_panel.h"
#include "gui/display/grid_view.h"
#include "support/document_helpers.h"
#include "support/grid_input.h"
#include "support/test_window.h"

using namespace quirvo;
using namespace quirvo::test;

namespace {

// A window with a grid on it and the "Definizioni" panel shown from the
// "Visualizza" menu.
struct Desk {
    TestWindow w;
    DefinitionsPanel* panel = nullptr;

    explicit Desk(const std::vector<const char*>& rows) {
        w.waitLoaded();
        newGrid(static_cast<int>(rows.size()), static_cast<int>(std::string(rows[0]).size()));
        w.setRows(rows);
        w->menuItem("VediDefinizioni")->trigger();
        panel = w->findChild<DefinitionsPanel*>("Definizioni");
    }
    Session& s() { return w->session(); }
    void newGrid(int rows, int cols) { newGridByDialog(*w, QString::number(rows), QString::number(cols)); }
    QTreeWidgetItem* group(int g) { return panel->list()->topLevelItem(g); }
    QStringList rowsOf(int g) {
        QStringList out;
        for (int i = 0; i < group(g)->childCount(); ++i) {
            const QTreeWidgetItem* it = group(g)->child(i);
            out << it->text(0) + " " + it->text(1) + " " + it->text(2);
        }
        return out;
    }
    // Types a definition into a row as a user does: Enter opens the editor.
    void write(int g, int row, const QString& text) {
        QTreeWidget* list = panel->list();
        list->setCurrentItem(group(g)->child(row));
        QTest::keyClick(list, Qt::Key_Return);
        auto* editor = list->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!list->findChild<QLineEdit*>());
    }
    void saveAs(const char* name) {
        w->menuItem("Salvacome")->trigger();
        typeInChooser(*w, name);
    }
    void open(const char* name) {
        w->menuItem("Apri")->trigger();
        pickInChooser(*w, name);
    }
};

}  // namespace

class DefinitionsPanelTest : public QObject {
    Q_OBJECT

private slots:
    void listsSlotsWithNumbersLettersAndStatistics() {
        Desk t({"CASA#", "O?#??", "?????"});
        QVERIFY(t.panel->isVisible());
        QCOMPARE(t.group(0)->text(0), QString("ORIZZONTALI"));
        QCOMPARE(t.rowsOf(0), (QStringList{"1 CASA ", "4 O? ", "5 ?? ", "7 ????? "}));
        QCOMPARE(t.rowsOf(1), (QStringList{"1 CO? ", "2 A?? ", "3 A?? ", "6 ?? "}));
        QVERIFY(t.group(2)->isHidden());
        const QString stats = t.panel->statistics()->text();
        QVERIFY2(stats.contains("Parole: 8 (3 da 2, 3 da 3, 1 da 4, 1 da 5 lettere)"), qPrintable(stats));
        QVERIFY2(stats.contains("Caselle nere: 2 su 15 (13,3%)"), qPrintable(stats));
        QVERIFY2(stats.contains("Definizioni scritte: 0 su 8"), qPrintable(stats));
    }

    void editUndoRedoAndOrphansThroughTheGrid() {
        Desk t({"CASA", "????", "????"});
        t.write(0, 0, "Dimora");
        QCOMPARE(t.rowsOf(0).at(0), QString("1 CASA Dimora"));
        QCOMPARE(t.s().gridModified, int16_t(1));
        QVERIFY(t.panel->statistics()->text().contains("Definizioni scritte: 1 su 7"));
        t.write(1, 3, "Ultima colonna");
        auto* undo = t.panel->findChild<QToolButton*>("AnnullaDefinizione");
        QTest::mouseClick(undo, Qt::LeftButton);
        QCOMPARE(t.rowsOf(1).at(3), QString("4 A?? "));
        QCOMPARE(t.rowsOf(0).at(0), QString("1 CASA Dimora"));
        QTest::mouseClick(t.panel->findChild<QToolButton*>("RipetiDefinizione"), Qt::LeftButton);
        QCOMPARE(t.rowsOf(1).at(3), QString("4 A?? Ultima colonna"));

        // Blackening the first cell of the last column takes its slot and
        // shortens the first row: the column's definition waits at the
        // bottom, and the grid's undo brings it back.
        clickToolbar(*t.w, "a0");
        clickCell(*t.w, 0, 3);
        QVERIFY(!t.group(2)->isHidden());
        QCOMPARE(t.rowsOf(2), QStringList{"V A?? Ultima colonna"});
        QCOMPARE(t.rowsOf(0).at(0), QString("1 CAS Dimora"));
        clickToolbar(*t.w, "a7");
        QVERIFY(t.group(2)->isHidden());
        QCOMPARE(t.rowsOf(1).at(3), QString("4 A?? Ultima colonna"));
    }

    void rowsAndCellsPointAtEachOther() {
        Desk t({"CASA", "????", "????"});
        QTreeWidget* list = t.panel->list();
        QTreeWidgetItem* down3 = t.group(1)->child(2);
        list->scrollToItem(down3);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(down3).center());
        QCOMPARE(t.w->peri()->markedSlot(), std::optional<QRectF>(QRectF(2, 0, 1, 3)));

        clickToolbar(*t.w, "a3");
        clickCell(*t.w, 1, 3);
        QStringList selected;
        for (QTreeWidgetItem* it : list->selectedItems()) selected << it->text(0) + it->parent()->text(0);
        selected.sort();
        QCOMPARE(selected, (QStringList{"4VERTICALI", "5ORIZZONTALI"}));
    }

    void definitionsTravelWithSaveAndOpenAndAWarningForADamagedCompanion() {
        Desk t({"CASA", "????"});
        t.write(0, 0, "Dimora");
        t.saveAs("casa");
        const QString grid = t.w.programFolder() + "/casa.qrv";
        QCOMPARE(fileBytes(grid), QByteArray("2,4\r\n\"CASA\"\r\n\"????\"\r\n"));
        QVERIFY(fileBytes(grid + ".def").contains("O\t1\t1\t1\tCASA\tDimora\n"));

        t.newGrid(2, 2);
        QVERIFY(t.s().definitions.empty());
        t.open("casa.qrv");
        QCOMPARE(t.rowsOf(0).at(0), QString("1 CASA Dimora"));
        QCOMPARE(t.s().gridModified, int16_t(0));

        const QByteArray damaged = "O\t1\t1\t1\tCASA\n";
        writeBytes(grid + ".def", damaged);
        t.newGrid(2, 2);
        t.open("casa.qrv");
        QCOMPARE(t.s().grid.gridRows[0], std::string("CASA"));
        QVERIFY(t.s().definitions.empty());
        QVERIFY(!t.w.messages.empty());
        QVERIFY2(t.w.messages.back().text.contains("riga 1 del file delle definizioni"),
                 qPrintable(t.w.messages.back().text));
        QCOMPARE(fileBytes(grid + ".def"), damaged);

        // Without definitions a save leaves no stale companion behind.
        editCell(*t.w, 1, 0, 'A');
        t.w->menuItem("Salva")->trigger();
        QVERIFY(!QFile::exists(grid + ".def"));
    }
};

QTEST_MAIN(DefinitionsPanelTest)
#include "definitions_panel_test.moc"
