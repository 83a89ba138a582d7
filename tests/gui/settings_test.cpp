#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "gui/app/user_settings.h"
#include "gui/publish/page_dialog.h"
#include "gui/publish/publish_commands.h"
#include "support/document_helpers.h"
#include "support/test_window.h"

using namespace quirvo;
using namespace quirvo::test;

namespace {

// The check marks of the menus the program has always had.
const char* const FIRST_MENUS[] = {"Numerare", "Accorcia", "Estesa", "d1", "FunWord"};

QList<bool> firstMenuMarks(TestWindow& w) {
    QList<bool> marks;
    for (const char* name : FIRST_MENUS) marks << w->menuItem(name)->isChecked();
    return marks;
}

// "Opzioni di Riempimento" opened; the caller reads or changes it.
QWidget* fillOptions(TestWindow& w) {
    w->menuItem("OpzioniRiempi")->trigger();
    return shown(*w, "OpzioniRiempimento");
}

PageDialog* pageForExport(TestWindow& w, const QString& folder = {}) {
    w->menuItem("Esporta")->trigger();
    QFileDialog* files = w->controllers().publish().fileDialog();
    if (!files) return nullptr;
    if (!folder.isEmpty()) files->setDirectory(folder);
    files->selectFile("pagina.pdf");
    QTest::mouseClick(files->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Save),
                      Qt::LeftButton);
    return w->controllers().publish().pageDialog();
}

struct Kept {
    int seconds;
    bool improve, check, panel, solution;
    QString exportFolder;
};

Kept keptIn(TestWindow& w) {
    QWidget* fill = fillOptions(w);
    Kept k{fill->findChild<QSpinBox*>("TempoMassimo")->value(), fill->findChild<QCheckBox*>("Migliora")->isChecked(),
           w->menuItem("Controllo")->isChecked(), w->findChild<QDockWidget*>("Definizioni")->isVisible(), false, {}};
    fill->close();
    w->menuItem("Esporta")->trigger();
    k.exportFolder = w->controllers().publish().fileDialog()->directory().absolutePath();
    w->controllers().publish().fileDialog()->close();
    return k;
}

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    // What the user set comes back at the next start; the menus of the
    // original program start as they always did.
    void settingsComeBackNextRun() {
        QTemporaryDir exports;
        TestWindow first;
        QVERIFY(first.waitLoaded());
        first.createGrid(2, 2);
        const Kept defaults = keptIn(first);
        const QList<bool> marks = firstMenuMarks(first);
        QWidget* fill = fillOptions(first);
        fill->findChild<QSpinBox*>("TempoMassimo")->setValue(17);
        fill->findChild<QCheckBox*>("Migliora")->setChecked(true);
        fill->findChild<QCheckBox*>("Usa1")->setChecked(false);
        QTest::mouseClick(fill->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        first->menuItem("Controllo")->trigger();
        first->menuItem("VediDefinizioni")->trigger();
        for (const char* name : FIRST_MENUS) first->menuItem(name)->trigger();
        PageDialog* page = pageForExport(first, exports.path());
        QVERIFY(page);
        page->findChild<QCheckBox*>("Soluzione")->setChecked(true);
        click(page, "Conferma");
        QVERIFY(QFile::exists(exports.filePath("pagina.pdf")));
        first.crash();

        TestWindow next(TestWindow::fastStartup(), first.programFolder());
        QVERIFY(next.waitLoaded());
        next.createGrid(2, 2);
        const Kept kept = keptIn(next);
        QCOMPARE(kept.seconds, 17);
        QVERIFY(kept.improve && !kept.check && kept.panel);
        QCOMPARE(kept.exportFolder, QDir(exports.path()).absolutePath());
        QVERIFY(!fillOptions(next)->findChild<QCheckBox*>("Usa1")->isChecked());
        QVERIFY(pageForExport(next)->findChild<QCheckBox*>("Soluzione")->isChecked());
        QCOMPARE(firstMenuMarks(next), marks);
        QVERIFY(defaults.seconds != 17 && defaults.check && !defaults.panel);
    }

    // A file that is not settings, or values out of their range, give the
    // defaults.
    void damagedSettingsGiveDefaults() {
        const QByteArray files[] = {
            QByteArray("\xff\xfe[[[riempimento]\n\x01secondi=17\n=\n", 28),
            "[riempimento]\nsecondi=0\nmigliora=forse\n[controllo]\nattivo=2\n[finestra]\nstato=@ByteArray(xyz)\n",
        };
        for (const QByteArray& bytes : files) {
            TestWindow::userFolder();
            QVERIFY(QDir().mkpath(QFileInfo(UserSettings::filePath()).path()));
            writeBytes(UserSettings::filePath(), bytes);
            TestWindow w;
            QVERIFY(w.waitLoaded());
            w.createGrid(2, 2);
            const Kept k = keptIn(w);
            QCOMPARE(k.seconds, FillSettings::DEFAULT_SECONDS);
            QVERIFY(!k.improve && k.check && !k.panel);
        }
    }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
