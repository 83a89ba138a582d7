#include <QAction>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "gui/publish/page_dialog.h"
#include "gui/publish/publish_commands.h"
#include "support/document_helpers.h"
#include "support/test_window.h"

using namespace quirvo;
using namespace quirvo::test;

namespace {

const QByteArray OLD = "il lavoro di ieri\n";

// "Esporta...", a name typed in the file window with a filter chosen, and
// the page dialog confirmed.
void exportAs(TestWindow& w, const QString& folder, const QString& filter, const QString& name) {
    w->menuItem("Esporta")->trigger();
    QFileDialog* files = w->controllers().publish().fileDialog();
    QVERIFY(files);
    files->setDirectory(folder);
    files->selectNameFilter(filter);
    // Set whole: typed, the completer would offer the file that is there.
    files->findChild<QLineEdit*>("fileNameEdit")->setText(name);
    QTest::mouseClick(files->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Save),
                      Qt::LeftButton);
    QTRY_VERIFY(w->controllers().publish().pageDialog());
    click(w->controllers().publish().pageDialog(), "Conferma");
}

// The question on screen; one answered goes a little later.
QMessageBox* question(TestWindow& w) {
    for (QMessageBox* box : w->findChildren<QMessageBox*>("Domanda"))
        if (box->isVisible()) return box;
    return nullptr;
}

}  // namespace

class ExportReplaceTest : public QObject {
    Q_OBJECT

private slots:
    // An export onto a file that is there asks first, "No" the default; a
    // refusal or a failure leaves the old file byte for byte.
    void exportAsksBeforeReplacing() {
        const struct {
            const char* filter;
            const char* typed;
            const char* file;
            bool completeGrid;
            bool replaced;  // after "Sì"
        } cases[] = {
            {"PDF (*.pdf)", "schema", "schema.pdf", true, true},
            {"ipuz (*.ipuz)", "schema.ipuz", "schema.ipuz", true, true},
            {"Across Lite (*.puz)", "schema", "schema.puz", false, false},  // .puz needs a complete grid
        };
        for (const auto& c : cases) {
            TestWindow w;
            QVERIFY(w.waitLoaded());
            w.createGrid(2, 2);
            w.setRows({"RE", c.completeGrid ? "AL" : "A?"});
            QTemporaryDir dir;
            const QString path = dir.filePath(c.file);
            writeBytes(path, OLD);

            exportAs(w, dir.path(), c.filter, c.typed);
            QMessageBox* box = question(w);
            QVERIFY2(box, c.file);
            QCOMPARE(box->text(), "Il file " + path + " esiste già. Sostituirlo?");
            QCOMPARE(box->defaultButton()->objectName(), QString("No"));
            QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(fileBytes(path), OLD);
            QVERIFY(w->controllers().publish().fileDialog());  // back for another name

            w->controllers().publish().fileDialog()->close();
            exportAs(w, dir.path(), c.filter, c.typed);
            QVERIFY(question(w));
            click(question(w), "Si");
            QCOMPARE(fileBytes(path) != OLD, c.replaced);
            QCOMPARE(w.messages.size(), c.replaced ? size_t(0) : size_t(1));
        }
    }

    // The command line replaces without asking, and says so.
    void convertReplacesAndSaysSo() {
        QTemporaryDir dir;
        writeBytes(dir.filePath("s.qrv"), "2,2\r\n\"RE\"\r\n\"AL\"\r\n");
        writeBytes(dir.filePath("t.qrv"), OLD);
        QProcess convert;
        convert.start(QUIRVO_PROGRAM, {"--convert", dir.filePath("s.qrv"), dir.filePath("t.qrv")});
        QVERIFY(convert.waitForFinished(60000));
        QCOMPARE(convert.exitCode(), 0);
        QCOMPARE(fileBytes(dir.filePath("t.qrv")), fileBytes(dir.filePath("s.qrv")));
        QProcess help;
        help.start(QUIRVO_PROGRAM, {"--help"});
        QVERIFY(help.waitForFinished(60000));
        QCOMPARE(help.exitCode(), 0);
        const QString text = QString::fromUtf8(help.readAllStandardOutput());
        QVERIFY2(text.contains("--convert") && text.contains("viene sostituito senza chiedere"), qPrintable(text));
    }
};

QTEST_MAIN(ExportReplaceTest)
#include "export_replace_test.moc"
