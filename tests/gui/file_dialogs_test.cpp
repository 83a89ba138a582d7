#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include "gui/files/file_chooser.h"
#include "support/document_helpers.h"
#include "support/test_window.h"

using namespace quirvo;
using namespace quirvo::test;

namespace {

QListWidgetItem* folderLine(QListWidget* dir1, const QString& path) {
    for (int i = 0; i < dir1->count(); ++i)
        if (dir1->item(i)->data(Qt::UserRole).toString() == path) return dir1->item(i);
    return nullptr;
}

QStringList lines(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

}  // namespace

class FileDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void sizeDialogKeysLimitsAndCreation() {
        TestWindow w;
        w.waitLoaded();
        w->menuItem("Nuovo")->trigger();
        w->menuItem("Nuovo")->trigger();
        QCOMPARE(w->findChildren<QWidget*>("Form0a", Qt::FindDirectChildrenOnly).size(), 1);
        QWidget* form0a = shown(*w, "Form0a");
        QCOMPARE(form0a->windowTitle(), QString("     DIMENSIONAMENTO"));
        QCOMPARE(form0a->findChild<QLabel*>("Label1")->text(), QString(" N.ro RIGHE (max.25)"));
        QCOMPARE(form0a->findChild<QLabel*>("Label2")->text(), QString(" N.ro COLONNE (max.35)"));
        auto* text1 = form0a->findChild<QLineEdit*>("Text1");
        auto* text2 = form0a->findChild<QLineEdit*>("Text2");

        QTest::keyClicks(text1, "2a-5 ");
        QCOMPARE(text1->text(), QString("25"));
        QTest::keyClick(text1, Qt::Key_Backspace);
        QCOMPARE(text1->text(), QString("2"));
        QTest::keyClick(text1, Qt::Key_Return);
        QCOMPARE(form0a->focusWidget(), text2);
        QTest::keyClick(text2, Qt::Key_Return);
        QCOMPARE(form0a->focusWidget(), text2);
        QCOMPARE(text2->text(), QString());

        const std::pair<const char*, const char*> refused[] = {
            {"26", "4"}, {"4", "36"}, {"1", "4"}, {"4", "1"}, {"", "4"}, {"4", ""}, {"99999999", "2"}};
        for (const auto& [rows, cols] : refused) {
            text1->setText(rows);
            text2->setText(cols);
            click(form0a, "Command1");
            QCOMPARE(w.messages.back().title, QString("E R R O R E"));
            QCOMPARE(w.messages.back().text, QString("al di fuori dei limiti\nRiprova ..."));
            QCOMPARE(w.messages.back().icon, QMessageBox::Warning);
            QCOMPARE(shown(*w, "Form0a"), form0a);
            QCOMPARE(text1->text(), QString(rows));
        }
        QCOMPARE(w.messages.size(), std::size(refused));
        QCOMPARE(w->session().grid.rowCount, int16_t(0));

        text1->setText("25");
        text2->setText("35");
        QTest::keyClick(text2, Qt::Key_Return);
        QCOMPARE(form0a->focusWidget()->objectName(), QString("Command1"));
        QTest::keyClick(form0a->focusWidget(), Qt::Key_Return);
        QVERIFY(!shown(*w, "Form0a"));
        const Grid& g = w->session().grid;
        QCOMPARE(g.rowCount, int16_t(25));
        QCOMPARE(g.maxWordLen, int16_t(35));
        QCOMPARE(g.gridRows.size(), size_t(26));
        QCOMPARE(g.gridRows[25], std::string(35, '?'));

        // Cancelled, or confirmed after the grid was changed meanwhile:
        // the grid stays.
        w->menuItem("Nuovo")->trigger();
        click(shown(*w, "Form0a"), "Command2");
        QVERIFY(!shown(*w, "Form0a"));
        w->menuItem("Nuovo")->trigger();
        editCell(*w, 0, 0, 'A');
        form0a = shown(*w, "Form0a");
        form0a->findChild<QLineEdit*>("Text1")->setText("3");
        form0a->findChild<QLineEdit*>("Text2")->setText("3");
        click(form0a, "Command1");
        QCOMPARE(w.messages.back().title, QString("Attenzione!"));
        QCOMPARE(w->session().grid.rowCount, int16_t(25));
        QCOMPARE(w->session().grid.cell(0, 0), 'A');
    }

    void chooserListsFoldersAndNames() {
        TestWindow w;
        w.waitLoaded();
        QTemporaryDir dir;
        const QString sub = dir.filePath("sub");
        QVERIFY(QDir(dir.path()).mkdir("sub"));
        for (const char* name : {"b.qrv", "b.qrv.def", "c.QRV", "c.QRV.def", "d.qrv.bak", "e.txt"})
            writeBytes(sub + "/" + name, "x");
        Session& s = w->session();
        s.programFolder = dir.path().toStdString();
        s.filePath = "/altrove/vecchio.qrv";
        s.grid = Grid::blank(2, 2);
        s.saveAsPending = 1;
        w->menuItem("Salvacome")->setEnabled(true);
        w->menuItem("Salvacome")->trigger();
        auto* form0b = static_cast<FileChooser*>(shown(*w, "Form0b"));
        auto* drive1 = form0b->findChild<QComboBox*>("Drive1");
        auto* dir1 = form0b->findChild<QListWidget*>("Dir1");
        auto* file1 = form0b->findChild<QListWidget*>("File1");
        auto* text1 = form0b->findChild<QLineEdit*>("Text1");
        auto* ok = form0b->findChild<QPushButton*>("Command1");
        QCOMPARE(form0b->folder(), dir.path());
        QCOMPARE(drive1->currentText(), QStorageInfo(dir.path()).rootPath());
        QCOMPARE(text1->text(), QString("vecchio.qrv"));
        QVERIFY(!ok->isEnabled());

        QListWidgetItem* subLine = folderLine(dir1, sub);
        QVERIFY(subLine);
        clickLine(dir1, subLine->text(), true);
        QCOMPARE(form0b->folder(), sub);
        QCOMPARE(lines(file1), (QStringList{"b.qrv", "c.QRV", "d.qrv.bak"}));
        QCOMPARE(s.chooserFolder, dir.path().toStdString());

        for (const char* ignored : {"", " ", "   ", "a/b"}) {
            text1->setText(ignored);
            QTest::keyClick(text1, Qt::Key_Return);
            QVERIFY(!ok->isEnabled());
        }
        text1->setText("nome");
        QTest::mouseDClick(text1, Qt::LeftButton);
        QVERIFY(ok->isEnabled());
        QCOMPARE(form0b->chosenPath(), sub + "/nome");
        QCOMPARE(s.chooserFolder, dir.path().toStdString());

        clickLine(file1, "c.QRV");
        QCOMPARE(form0b->chosenPath(), sub + "/c.QRV");
        QCOMPARE(text1->text(), QString("c.QRV"));
        QCOMPARE(s.chooserFolder, sub.toStdString());

        // A folder removed after it was listed is refused; the lists stay
        // in the folder shown.
        QVERIFY(QDir(sub).mkdir("via"));
        form0b->setFolder(sub);
        const QString via = folderLine(dir1, sub + "/via")->text();
        QVERIFY(QDir(sub).rmdir("via"));
        clickLine(dir1, via, true);
        QCOMPARE(form0b->folder(), sub);
        QVERIFY(!folderLine(dir1, sub + "/via"));

        // Another drive shows its root folder.
        for (int i = 0; i < drive1->count(); ++i) {
            if (i == drive1->currentIndex()) continue;
            drive1->setCurrentIndex(i);
            QCOMPARE(form0b->folder(), QDir::cleanPath(drive1->itemText(i)));
            break;
        }

        form0b->setFolder("/");
        QVERIFY(folderLine(dir1, "/"));
        text1->setText("radice");
        QTest::keyClick(text1, Qt::Key_Return);
        QCOMPARE(form0b->chosenPath(), QString("/radice"));

        // Cancelling drops the pick and leaves the file path alone.
        click(form0b, "Command2");
        QCOMPARE(s.filePath, std::string("/altrove/vecchio.qrv"));
        QCOMPARE(s.saveAsPending, int16_t(0));

        // The next chooser opens to read, where the last file was picked.
        w->menuItem("Apri")->trigger();
        form0b = static_cast<FileChooser*>(shown(*w, "Form0b"));
        QCOMPARE(form0b->mode(), ChooserMode::Open);
        QCOMPARE(form0b->folder(), sub);
        QCOMPARE(form0b->palette().color(QPalette::Window), QPalette().color(QPalette::Window));
        QVERIFY(!form0b->findChild<QLineEdit*>("Text1")->isEnabled());
    }

    void chooserTakesDoubleClicksTypedPathsAndTheFolderShown() {
        TestWindow w;
        w.waitLoaded();
        QTemporaryDir dir;
        const QString sub = dir.filePath("sub");
        QVERIFY(QDir(dir.path()).mkdir("sub"));
        Session& s = w->session();
        s.programFolder = dir.path().toStdString();
        w.createGrid(2, 2);
        w->menuItem("Salvacome")->setEnabled(true);
        auto saveAs = [&] {
            w->menuItem("Salvacome")->trigger();
            return static_cast<FileChooser*>(shown(*w, "Form0b"));
        };
        auto type = [](FileChooser* form0b, const QString& text) {
            auto* text1 = form0b->findChild<QLineEdit*>("Text1");
            text1->clear();
            QTest::keyClicks(text1, text);
            QTest::keyClick(text1, Qt::Key_Return);
        };

        // A name given, then another folder shown: the file goes there.
        FileChooser* form0b = saveAs();
        type(form0b, "primo");
        clickLine(form0b->findChild<QListWidget*>("Dir1"), folderLine(form0b->findChild<QListWidget*>("Dir1"), sub)->text(), true);
        click(form0b, "Command1");
        QVERIFY(QFileInfo::exists(sub + "/primo.qrv"));
        QVERIFY(!QFileInfo::exists(dir.filePath("primo.qrv")));

        // A folder part, relative to the folder shown or full, moves there.
        const std::pair<QString, QString> typed[] = {
            {"sub/secondo", sub + "/secondo.qrv"},
            {dir.filePath("terzo"), dir.filePath("terzo.qrv")},
        };
        for (const auto& [text, written] : typed) {
            form0b = saveAs();
            form0b->setFolder(dir.path());
            type(form0b, text);
            QCOMPARE(form0b->folder(), QFileInfo(written).path());
            QCOMPARE(form0b->findChild<QLineEdit*>("Text1")->text(), QFileInfo(written).completeBaseName());
            click(form0b, "Command1");
            QVERIFY2(QFileInfo::exists(written), qPrintable(written));
        }
        form0b = saveAs();
        type(form0b, dir.filePath("manca/quarto"));
        QVERIFY(!form0b->findChild<QPushButton*>("Command1")->isEnabled());
        click(form0b, "Command2");

        // A double click on a listed file confirms it as OK does.
        w->menuItem("Apri")->trigger();
        form0b = static_cast<FileChooser*>(shown(*w, "Form0b"));
        form0b->setFolder(sub);
        clickLine(form0b->findChild<QListWidget*>("File1"), "secondo.qrv", true);
        QVERIFY(!shown(*w, "Form0b"));
        QCOMPARE(QString::fromStdString(s.filePath), sub + "/secondo.qrv");
    }
};

QTEST_MAIN(FileDialogsTest)
#include "file_dialogs_test.moc"
