#include <QAction>
#include <QDir>
#include <QFile>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "core/formats/definitions_file.h"
#include "core/formats/puz.h"
#include "../core/support/ascii_grid.h"
#include "core/grid/numbering.h"
#include "gui/files/document_flow.h"
#include "gui/publish/export_writer.h"
#include "gui/render/grid_renderer.h"
#include "gui/publish/page_dialog.h"
#include "gui/publish/publish_commands.h"
#include "support/dock_layout.h"
#include "support/document_helpers.h"
#include "support/test_window.h"

using namespace quirvo;
using namespace quirvo::test;

namespace {

const std::vector<const char*> ROWS = {"CASA#", "ORO#E", "#ARTE", "ARIA#"};

// A window holding a finished grid with a few definitions, and a folder.
struct Desk {
    TestWindow w;
    QTemporaryDir dir;

    Desk() {
        w.waitLoaded();
        w.createGrid(static_cast<int>(ROWS.size()), 5);
        w.setRows(ROWS);
        Session& s = w->session();
        s.definitions.set(s.grid, *slotAt(s.grid, 0, 0, Direction::Across), "Dimora con tetto");
        s.definitions.set(s.grid, *slotAt(s.grid, 0, 1, Direction::Down), "Opera lirica");
    }
    PublishCommands& commands() { return w->controllers().publish(); }
    QString path(const QString& name) const { return dir.filePath(name); }
};

// The rows of a cell's inside, inset from its lines, that hold ink, as
// runs of (first, last) rows.
std::vector<std::pair<int, int>> inkRuns(const QImage& page, const QRect& inside) {
    std::vector<std::pair<int, int>> runs;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        bool ink = false;
        for (int x = inside.left(); x <= inside.right() && !ink; ++x) ink = qGray(page.pixel(x, y)) < 128;
        if (!ink) continue;
        if (!runs.empty() && runs.back().second == y - 1)
            runs.back().second = y;
        else
            runs.emplace_back(y, y);
    }
    return runs;
}

// The first and last of the rows (or columns) of the page with at least
// so many dark pixels: the grid's outer lines.
std::pair<int, int> gridLines(const QImage& page, bool rows, int least) {
    std::pair<int, int> lines{-1, -1};
    for (int i = 0; i < (rows ? page.height() : page.width()); ++i) {
        int dark = 0;
        for (int j = 0; j < (rows ? page.width() : page.height()); ++j)
            dark += qGray(rows ? page.pixel(j, i) : page.pixel(i, j)) < 128;
        if (dark < least) continue;
        if (lines.first < 0) lines.first = i;
        lines.second = i;
    }
    return lines;
}

// Runs a program and hands back its exit status and standard error.
std::pair<int, QString> run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
}

}  // namespace

class PublishTest : public QObject {
    Q_OBJECT

private slots:
    void pdfHoldsHeadingsDefinitionsAndBlackCellsWhereTheGridHasThem() {
        Desk t;
        const QString pdf = t.path("schema.pdf");
        QCOMPARE(t.commands().exportTo(pdf, {"Prova", "Autrice", true, true, false}), QString());
        const auto [textStatus, unused] = run("pdftotext", {pdf, t.path("schema.txt")});
        QCOMPARE(textStatus, 0);
        const QString text = QString::fromUtf8(fileBytes(t.path("schema.txt")));
        for (const char* expected : {"Prova", "Autrice", "ORIZZONTALI", "VERTICALI", "1. Dimora con tetto",
                                     "2. Opera lirica"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);

        // Only the grid on the page: its black cells are found in the picture.
        const QString gridOnly = t.path("griglia.pdf");
        QCOMPARE(t.commands().exportTo(gridOnly, {"", "", true, false, false}), QString());
        QCOMPARE(run("pdftoppm", {"-r", "50", "-png", "-singlefile", gridOnly, t.path("griglia")}).first, 0);
        const QImage page(t.path("griglia.png"));
        QVERIFY(!page.isNull());
        QRect box;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 128) box |= QRect(x, y, 1, 1);
        QVERIFY(box.width() > 40);
        for (int r = 0; r < static_cast<int>(ROWS.size()); ++r) {
            for (int c = 0; c < 5; ++c) {
                const QPoint centre(box.left() + (c + 0.5) * box.width() / 5, box.top() + (r + 0.5) * box.height() / 4);
                const bool black = qGray(page.pixel(centre)) < 128;
                QVERIFY2(black == (ROWS[r][c] == '#'), qPrintable(QString("cella %1,%2").arg(r).arg(c)));
            }
        }
    }

    void pagesAsSvgAndPngAndAFailedExportLeavesNothing() {
        Desk t;
        QCOMPARE(t.commands().exportTo(t.path("p.svg"), {"Titolo", "", true, true, true}), QString());
        QVERIFY(fileBytes(t.path("p.svg")).contains("<svg"));
        QCOMPARE(t.commands().exportTo(t.path("p.png"), {"", "", false, false, true}), QString());
        const QImage png(t.path("p.png"));
        QCOMPARE(png.size(), QSize(2480, 3508));

        t.w.messages.clear();
        const QString nowhere = t.path("manca/p.pdf");
        QVERIFY(!t.commands().exportTo(nowhere, {}).isEmpty());
        QVERIFY(!QFile::exists(nowhere));
        QCOMPARE(static_cast<int>(t.w.messages.size()), 1);
        t.w->session().grid.setCell(0, 0, '?');
        QVERIFY(t.commands().exportTo(t.path("p.puz"), {}).contains("soluzione completa"));
        QVERIFY(!QFile::exists(t.path("p.puz")));
        QCOMPARE(QDir(t.dir.path()).entryList(QDir::Files), (QStringList{"p.png", "p.svg"}));
    }

    // Read off the pixels of an exported solution page: every number is at
    // least as tall as digits set in 6 points, and a clear millimetre of
    // white lies between it and the letter below.
    void solutionNumbersAreReadableAndClearOfTheLetters() {
        QTemporaryDir dir;
        const Grid grid = quirvo::testing::asciiGrid(GRID_13);
        const QString path = dir.filePath("soluzione.png");
        QCOMPARE(exportPuzzle(path, {grid, {}, "", ""}, {"", "", false, false, true}), QString());
        const QImage page(path);
        QVERIFY(!page.isNull());
        const double dotsPerMm = PNG_DPI / 25.4;
        const auto [top, bottom] = gridLines(page, true, page.width() / 3);
        const auto [left, right] = gridLines(page, false, page.height() / 5);
        QVERIFY(top >= 0 && left >= 0);
        const double cell = (bottom - top) / 13.0;
        QVERIFY(qAbs((right - left) / 13.0 - cell) < 2);

        QImage probe(1, 1, QImage::Format_RGB32);
        probe.setDotsPerMeterX(int(dotsPerMm * 1000));
        probe.setDotsPerMeterY(int(dotsPerMm * 1000));
        const double sixPointDigits = QFontMetricsF(gridFont(6), &probe).tightBoundingRect("0123456789").height();
        const std::vector<int> numbers = numberCells(grid);
        int checked = 0;
        for (int r = 0; r < 13; ++r)
            for (int c = 0; c < 13; ++c) {
                if (numbers[size_t(r * 13 + c)] == 0) continue;
                const int inset = int(cell / 12);
                const QRect inside(int(left + c * cell) + inset, int(top + r * cell) + inset, int(cell) - 2 * inset,
                                   int(cell) - 2 * inset);
                const auto runs = inkRuns(page, inside);
                const QString where = QString("cella %1,%2: %3 righe d'inchiostro").arg(r).arg(c).arg(runs.size());
                QVERIFY2(runs.size() >= 2, qPrintable(where));
                QVERIFY2(runs.front().second - runs.front().first + 1 >= sixPointDigits - 1, qPrintable(where));
                QVERIFY2(runs.back().first - runs.front().second > dotsPerMm, qPrintable(where));
                ++checked;
            }
        QCOMPARE(checked, 52);
    }

    void exportDialogsThenIpuzBackThroughTheImport() {
        Desk t;
        t.w->menuItem("Esporta")->trigger();
        QFileDialog* files = t.commands().fileDialog();
        QVERIFY(files);
        files->setDirectory(t.dir.path());
        files->selectNameFilter("ipuz (*.ipuz)");
        auto* name = files->findChild<QLineEdit*>("fileNameEdit");
        QVERIFY(name);
        name->clear();
        QTest::keyClicks(name, "giro");
        auto* buttons = files->findChild<QDialogButtonBox*>("buttonBox");
        QVERIFY(buttons);
        QTest::mouseClick(buttons->button(QDialogButtonBox::Save), Qt::LeftButton);
        QTRY_VERIFY(t.commands().pageDialog());
        PageDialog* page = t.commands().pageDialog();
        QTest::keyClicks(page->findChild<QLineEdit*>("Titolo"), "Andata e ritorno");
        click(page, "Conferma");
        QVERIFY(QFile::exists(t.path("giro.ipuz")));

        const Definitions sent = t.w->session().definitions;
        const Grid grid = t.w->session().grid;
        t.w.createGrid(3, 3);
        QVERIFY(t.commands().importFrom(t.path("giro.ipuz")));
        QCOMPARE(t.w->session().grid.gridRows, grid.gridRows);
        QCOMPARE(t.w->session().definitions.attached(), sent.attached());
        QCOMPARE(t.w->windowTitle(), QString("  QUIRVO   (nuovo file)"));
        QVERIFY(!t.w->menuItem("Salva")->isEnabled());

        // A refused file changes nothing.
        writeBytes(t.path("rotto.ipuz"), "{\"kind\": [\"http://ipuz.org/crossword#1\"], \"dimensions\": 3}");
        t.w.messages.clear();
        QVERIFY(!t.commands().importFrom(t.path("rotto.ipuz")));
        QCOMPARE(t.w->session().grid.gridRows, grid.gridRows);
        QVERIFY(t.w.messages.at(0).text.contains("Lo schema attuale non è cambiato"));
    }

    void convertFromTheCommandLine() {
        QTemporaryDir dir;
        const QString grid = dir.filePath("s.qrv");
        writeBytes(grid, "2,3\r\n\"SOL\"\r\n\"EGO\"\r\n");
        writeBytes(grid + ".def", "O\t1\t1\t1\tSOL\tNota musicale\n");
        const auto [ok, okErr] = run(QUIRVO_PROGRAM, {"--convert", grid, dir.filePath("s.puz"), "--title", "T"});
        QCOMPARE(ok, 0);
        const QByteArray puz = fileBytes(dir.filePath("s.puz"));
        QVERIFY(puz.contains(QByteArray("T\0", 2)) && puz.contains("Nota musicale"));

        QCOMPARE(run(QUIRVO_PROGRAM, {"--convert", grid, dir.filePath("s.ipuz")}).first, 0);
        QCOMPARE(run(QUIRVO_PROGRAM, {"--convert", dir.filePath("s.ipuz"), dir.filePath("t.qrv")}).first, 0);
        QCOMPARE(fileBytes(dir.filePath("t.qrv")), fileBytes(grid));
        QVERIFY(fileBytes(dir.filePath("t.qrv.def")).contains("Nota musicale"));

        const auto [bad, badErr] = run(QUIRVO_PROGRAM, {"--convert", dir.filePath("manca.qrv"), dir.filePath("x.pdf")});
        QCOMPARE(bad, 1);
        QVERIFY2(badErr.contains("non esiste"), qPrintable(badErr));
        QVERIFY(!QFile::exists(dir.filePath("x.pdf")));
        QCOMPARE(run(QUIRVO_PROGRAM, {"--convert", grid}).first, 1);
    }
};

QTEST_MAIN(PublishTest)
#include "publish_test.moc"
