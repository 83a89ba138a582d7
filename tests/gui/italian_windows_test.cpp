#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QTabWidget>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <functional>

#include "gui/publish/page_dialog.h"
#include "gui/publish/publish_commands.h"
#include "support/document_helpers.h"
#include "support/test_window.h"

using namespace quirvo;
using namespace quirvo::test;

namespace {

// English words of Qt's own windows (file and print dialogs, print
// preview, standard buttons and menus). Words Italian shares, such as
// "File", "OK", "No" or "Computer", are left out, and so is "Files", which
// the file chooser's heading "Files :" has always had.
const QStringList ENGLISH = {
    "Cancel", "Open", "Save", "Close", "Print", "Preview", "Look", "Name", "Size", "Type", "Modified", "Back",
    "Forward", "Parent", "Directory", "Folder", "Create", "New", "List", "View", "Detail", "Page", "Setup",
    "Portrait", "Landscape", "First", "Previous", "Next", "Last", "Fit", "Width", "Show", "Single", "Facing",
    "Pages", "Overview", "Options", "Printer", "Properties", "Copies", "Collate", "Reverse", "Paper",
    "Orientation", "Color", "Grayscale", "Duplex", "Apply", "Help", "Reset", "Restore", "Defaults", "Undo",
    "Redo", "Cut", "Copy", "Paste", "Delete", "Select", "All", "Yes", "Recent", "Places", "Rename",
    "Hidden", "Output", "Location", "Margins", "Advanced", "Range", "Current", "Selection", "Zoom in", "Zoom out",
    "Sided", "binding", "Off"};

void addTexts(QStringList& texts, const QString& text, const QString& tip = {}) {
    for (const QString& t : {text, tip})
        if (!t.isEmpty()) texts << QString(t).remove('&');
}

// What a window shows in words: title, labels, buttons, actions and their
// tool tips, list entries, headings.
QStringList textsOf(const QWidget* window) {
    QStringList texts{window->windowTitle()};
    for (const QLabel* l : window->findChildren<QLabel*>())
        if (l->isVisible()) addTexts(texts, l->text(), l->toolTip());
    for (const QAbstractButton* b : window->findChildren<QAbstractButton*>())
        if (b->isVisible()) addTexts(texts, b->text(), b->toolTip());
    for (const QAction* a : window->findChildren<QAction*>())
        if (a->isVisible() && !a->associatedObjects().isEmpty()) addTexts(texts, a->text(), a->toolTip());
    for (const QComboBox* c : window->findChildren<QComboBox*>())
        for (int i = 0; c->isVisible() && i < c->count(); ++i) addTexts(texts, c->itemText(i));
    for (const QGroupBox* g : window->findChildren<QGroupBox*>())
        if (g->isVisible()) addTexts(texts, g->title());
    for (const QTabBar* t : window->findChildren<QTabBar*>())
        for (int i = 0; t->isVisible() && i < t->count(); ++i) addTexts(texts, t->tabText(i));
    for (const QHeaderView* h : window->findChildren<QHeaderView*>())
        for (int i = 0; h->isVisible() && h->model() && i < h->count(); ++i)
            addTexts(texts, h->model()->headerData(i, h->orientation()).toString());
    for (const QLineEdit* e : window->findChildren<QLineEdit*>())
        if (e->isVisible()) addTexts(texts, e->placeholderText(), e->toolTip());
    return texts;
}

// The English words among the texts, with the text they are in.
QStringList englishIn(const QStringList& texts) {
    QStringList found;
    for (const QString& text : texts)
        for (const QString& word : ENGLISH)
            if (QRegularExpression("\\b" + word + "\\b").match(text).hasMatch()) found << word + " in \"" + text + "\"";
    return found;
}

}  // namespace

class ItalianWindowsTest : public QObject {
    Q_OBJECT

private slots:
    // Every window and dialog of the program speaks Italian, Qt's own ones
    // included.
    void noEnglishWordOnAnyWindow() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w.createGrid(3, 3);
        w->menuItem("VediDefinizioni")->trigger();
        PublishCommands& publish = w->controllers().publish();
        const std::pair<const char*, std::function<QWidget*()>> windows[] = {
            {"main window", [&] { return static_cast<QWidget*>(w.get()); }},
            {"text menu", [&] {
                 QMenu* menu = w->textb()->createStandardContextMenu();
                 menu->setAttribute(Qt::WA_DeleteOnClose);
                 menu->popup(w->mapToGlobal(QPoint(50, 50)));
                 return static_cast<QWidget*>(menu);
             }},
            {"size", [&] { w->menuItem("Nuovo")->trigger(); return shown(*w, "Form0a"); }},
            {"chooser", [&] { w->menuItem("Apri")->trigger(); return shown(*w, "Form0b"); }},
            {"viewer", [&] { w->menuItem("Indirdiz")->trigger(); return shown(*w, "Form0f"); }},
            {"help", [&] { w->showHelp(); return shown(*w, "HelpWindow"); }},
            {"fill options", [&] { w->menuItem("OpzioniRiempi")->trigger(); return shown(*w, "OpzioniRiempimento"); }},
            {"page", [&] { w->menuItem("Stampa")->trigger(); return static_cast<QWidget*>(publish.pageDialog()); }},
            {"export", [&] { w->menuItem("Esporta")->trigger(); return static_cast<QWidget*>(publish.fileDialog()); }},
            {"import", [&] { w->menuItem("Importaipuz")->trigger(); return static_cast<QWidget*>(publish.fileDialog()); }},
            {"save prompt", [&] {
                 editCell(*w, 0, 0, 'A');
                 w->menuItem("Esci")->trigger();
                 return shown(*w, "Form0c");
             }},
        };
        for (const auto& [name, open] : windows) {
            QWidget* window = open();
            QVERIFY2(window && window->isVisible(), name);
            const QStringList english = englishIn(textsOf(window));
            QVERIFY2(english.isEmpty(), qPrintable(QString(name) + ": " + english.join("; ")));
            if (window != w.get()) window->close();
        }
    }

    // The print preview and, from it, the print dialog: both modal.
    void printPreviewAndPrintDialogSpeakItalian() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w.createGrid(3, 3);
        w->menuItem("Stampa")->trigger();
        QStringList preview, dialog;
        QTimer::singleShot(0, [&] {
            QWidget* shown = QApplication::activeModalWidget();
            if (!shown) return;
            preview = textsOf(shown);
            QTimer::singleShot(0, [&] {
                if (auto* print = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
                    dialog = textsOf(print);
                    // Its options too, every tab of them.
                    const QString options = QCoreApplication::translate("QPrintDialog", "&Options >>");
                    for (QAbstractButton* b : print->findChildren<QAbstractButton*>())
                        if (b->text() == options) b->click();
                    for (QTabWidget* tabs : print->findChildren<QTabWidget*>())
                        for (int i = 0; i < tabs->count(); ++i) {
                            tabs->setCurrentIndex(i);
                            dialog += textsOf(print);
                        }
                    print->reject();
                }
            });
            const QString print = QCoreApplication::translate("QPrintPreviewDialog", "Print");
            for (QAction* a : shown->findChildren<QAction*>())
                if (a->text() == print) a->trigger();
            shown->close();
        });
        QTest::mouseClick(w->controllers().publish().pageDialog()->findChild<QAbstractButton*>("Conferma"), Qt::LeftButton);
        QVERIFY(!preview.isEmpty() && !dialog.isEmpty());
        QVERIFY2(englishIn(preview).isEmpty(), qPrintable(englishIn(preview).join("; ")));
        QVERIFY2(englishIn(dialog).isEmpty(), qPrintable(englishIn(dialog).join("; ")));
    }
};

QTEST_MAIN(ItalianWindowsTest)
#include "italian_windows_test.moc"
