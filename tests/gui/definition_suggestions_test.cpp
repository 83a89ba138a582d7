#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "../core/support/clue_facts.h"
#include "core/clues/sqlite_archive.h"
#include "gui/definitions/archive_window.h"
#include "gui/definitions/clue_service.h"
#include "gui/definitions/definitions_panel.h"
#include "gui/definitions/suggestion_box.h"
#include "support/document_helpers.h"
#include "support/test_window.h"

using namespace quirvo;
using namespace quirvo::test;

namespace {

std::string baseWords() {
    std::string plain;
    for (const std::string& w : testing::ClueFacts().words()) plain += w + "\r\n";
    return plain;
}

// A window whose lexicon has the word facts of ClueFacts, a grid on it and
// the "Definizioni" dock open.
struct Desk {
    TestWindow w{TestWindow::Files{{"base.diz", baseWords()}}};
    DefinitionsPanel* panel = nullptr;
    ClueService* clues = nullptr;

    explicit Desk(const std::vector<const char*>& rows) {
        w.waitLoaded();
        DictionarySet loaded = w->session().lexicon->dictionaries();
        w->session().installLexicon(std::move(loaded), FactsFile::decode(testing::ClueFacts().bytes()));
        newGridByDialog(*w, QString::number(rows.size()), QString::number(std::string(rows[0]).size()));
        w.setRows(rows);
        w->menuItem("VediDefinizioni")->trigger();
        panel = w->findChild<DefinitionsPanel*>("Definizioni");
        clues = w->findChild<ClueService*>();
    }
    Session& s() { return w->session(); }
    QTreeWidgetItem* row(int group, int i) { return panel->list()->topLevelItem(group)->child(i); }
    void choose(int group, int i) {
        QTreeWidget* list = panel->list();
        list->scrollToItem(row(group, i));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(row(group, i)).center());
    }
    QListWidget* suggestions() { return panel->suggestionBox()->suggestions(); }
    const Definition* definition(int r, int c, Direction d) { return s().definitions.find(SlotKey{int16_t(r), int16_t(c), d}); }
    void saveAs(const char* name) {
        w->menuItem("Salvacome")->trigger();
        typeInChooser(*w, name);
    }
};

}  // namespace

class DefinitionSuggestionsTest : public QObject {
    Q_OBJECT

private slots:
    void theChosenSlotsSuggestionsAndAClickMakesOneTheDefinition() {
        Desk t({"CA#RM", "#####"});
        t.choose(0, 0);
        QCOMPARE(t.panel->findChild<QLabel*>("ParolaScelta")->text(), QString("1 orizzontale: CA"));
        QTRY_COMPARE(t.suggestions()->item(0)->text(), QString("Metà di casa"));
        QVERIFY(t.suggestions()->item(0)->toolTip().contains("CASA"));

        clickLine(t.suggestions(), "L'inizio di casa");
        QCOMPARE(t.definition(0, 0, Direction::Across)->text, std::string("L'inizio di casa"));
        QCOMPARE(t.panel->suggestionBox()->field()->text(), QString("L'inizio di casa"));
        QCOMPARE(t.s().gridModified, int16_t(1));
        QTest::mouseClick(t.panel->findChild<QToolButton*>("AnnullaDefinizione"), Qt::LeftButton);
        QVERIFY(!t.definition(0, 0, Direction::Across));

        t.choose(0, 1);
        QTRY_COMPARE(t.suggestions()->item(0)->text(), QString("Sigla di Roma"));
        QLineEdit* field = t.panel->suggestionBox()->field();
        field->setFocus();
        QTest::keyClicks(field, "Provincia capitale");
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(t.definition(0, 3, Direction::Across)->text, std::string("Provincia capitale"));
    }

    void definisciTuttoDraftsEveryEmptyDefinitionInOneStep() {
        Desk t({"CA#RM", "#####", "IT#FE"});
        t.choose(0, 1);
        QLineEdit* field = t.panel->suggestionBox()->field();
        field->setFocus();
        QTest::keyClicks(field, "Targa capitolina");
        QTest::keyClick(field, Qt::Key_Return);

        QTest::mouseClick(t.panel->draftAllButton(), Qt::LeftButton);
        QTRY_VERIFY(t.definition(0, 0, Direction::Across));
        QCOMPARE(t.definition(0, 0, Direction::Across)->text, std::string("Metà di casa"));
        QVERIFY(t.definition(0, 0, Direction::Across)->draft);
        QCOMPARE(t.definition(0, 3, Direction::Across)->text, std::string("Targa capitolina"));  // kept
        QCOMPARE(t.definition(2, 0, Direction::Across)->text, std::string("Sigla dell'Italia"));
        QCOMPARE(t.definition(2, 3, Direction::Across)->text, std::string("Simbolo del ferro"));
        QVERIFY(t.row(0, 0)->font(2).italic());
        QVERIFY(!t.row(0, 1)->font(2).italic());
        QTRY_VERIFY(t.panel->draftAllButton()->isEnabled());

        // One undo takes every draft away; redo brings them back.
        QTest::mouseClick(t.panel->findChild<QToolButton*>("AnnullaDefinizione"), Qt::LeftButton);
        QVERIFY(!t.definition(0, 0, Direction::Across));
        QVERIFY(!t.definition(2, 0, Direction::Across));
        QVERIFY(!t.definition(2, 3, Direction::Across));
        QCOMPARE(t.definition(0, 3, Direction::Across)->text, std::string("Targa capitolina"));
        QTest::mouseClick(t.panel->findChild<QToolButton*>("RipetiDefinizione"), Qt::LeftButton);
        QVERIFY(t.definition(0, 0, Direction::Across)->draft);

        // Saved as a draft, and left out of the archive until the setter takes it.
        t.saveAs("bozze");
        const QString grid = t.w.programFolder() + "/bozze.qrv";
        QVERIFY(fileBytes(grid + ".def").contains("O\t1\t1\t1\tCA\tMetà di casa\tbozza\n"));
        SqliteArchive* archive = t.clues->archive();
        QVERIFY(archive);
        QVERIFY(archive->ofWord("CA", 5).empty());
        QCOMPARE(archive->ofWord("RM", 5).size(), size_t(1));
        t.choose(0, 0);
        QTest::keyClick(t.panel->suggestionBox()->field(), Qt::Key_Return);
        QVERIFY(!t.definition(0, 0, Direction::Across)->draft);
        QVERIFY(!t.row(0, 0)->font(2).italic());
        t.w->menuItem("Salva")->trigger();
        QCOMPARE(archive->ofWord("CA", 5).size(), size_t(1));
        QCOMPARE(archive->ofWord("CA", 5)[0].grid, grid.toStdString());
    }

    void theArchiveWindowSearchesImportsAndExports() {
        Desk t({"CA#RM", "#####"});
        SqliteArchive* archive = t.clues->archive();
        QVERIFY(archive);
        archive->record({{"CASA", "Dimora di famiglia", "a.qrv", "2026-01-02 10:00:00"},
                         {"NIDO", "La casa degli uccelli", "a.qrv", "2026-01-01 10:00:00"}});
        t.w->menuItem("VediArchivio")->trigger();
        auto* window = t.w->findChild<ArchiveWindow*>("ArchivioDefinizioni");
        QVERIFY(window && window->isVisible());
        QTest::keyClicks(window->query(), "casa");
        QTest::keyClick(window->query(), Qt::Key_Return);
        QCOMPARE(window->results()->rowCount(), 1);
        QCOMPARE(window->results()->item(0, 1)->text(), QString("Dimora di famiglia"));
        QTest::mouseClick(window->findChild<QRadioButton*>("NelTesto"), Qt::LeftButton);
        QTest::keyClick(window->query(), Qt::Key_Return);
        QCOMPARE(window->results()->rowCount(), 1);
        QCOMPARE(window->results()->item(0, 0)->text(), QString("NIDO"));

        QTemporaryDir old;
        QFile companion(old.filePath("vecchio.qrv.def"));
        QVERIFY(companion.open(QIODevice::WriteOnly));
        companion.write("O\t1\t1\t1\tRE\tSovrano\n");
        companion.close();
        window->importFolder(old.path());
        QTRY_VERIFY(!window->importing());
        QVERIFY2(window->status()->text().contains("1 definizioni da 1 file"), qPrintable(window->status()->text()));
        QCOMPARE(archive->ofWord("RE", 5).size(), size_t(1));

        const QString csv = old.filePath("archivio.csv");
        QVERIFY(window->exportTo(csv));
        const QByteArray bytes = fileBytes(csv);
        QVERIFY(bytes.startsWith("parola,definizione,schema,data\r\n"));
        QVERIFY(bytes.contains("RE,Sovrano,"));
    }
};

QTEST_MAIN(DefinitionSuggestionsTest)
#include "definition_suggestions_test.moc"
