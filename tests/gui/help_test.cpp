#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "gui/app/help_window.h"
#include "gui/definitions/definitions_panel.h"
#include "gui/display/grid_view.h"
#include "gui/publish/page_dialog.h"
#include "gui/publish/publish_commands.h"
#include "support/document_helpers.h"
#include "support/test_window.h"

using namespace quirvo;
using namespace quirvo::test;

namespace {

QString pageText(const QString& page) {
    QFile f(":/help/" + page);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList linksOf(const QString& html) {
    QStringList links;
    for (const QRegularExpressionMatch& m : QRegularExpression("href=\"([^\"#]+)\"").globalMatch(html))
        links << m.captured(1);
    return links;
}

// The page the help window of the owner shows, or "" when none is open.
QString shownPage(QWidget* owner) {
    auto* help = owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    return help && help->isVisible() ? help->source().fileName() : QString();
}

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT

private slots:
    // The contents reach every page, and every page leads back.
    void everyPageIsInTheContents() {
        const QStringList pages = QDir(":/help").entryList({"*.html"});
        QVERIFY(pages.size() >= 10);
        const QStringList contents = linksOf(pageText("indice.html"));
        for (const QString& page : pages) {
            if (page == "indice.html") continue;
            QVERIFY2(contents.contains(page), qPrintable(page));
            QVERIFY2(linksOf(pageText(page)).contains("indice.html"), qPrintable(page));
            for (const QString& link : linksOf(pageText(page))) QVERIFY2(pages.contains(link), qPrintable(link));
        }
        for (const QString& link : contents) QVERIFY2(pages.contains(link), qPrintable(link));
    }

    // F1 opens the page of what the user is working in.
    void f1OpensThePageOfTheFeatureInUse() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w.createGrid(3, 3);
        struct Case {
            const char* name;
            std::function<QWidget*()> open;  // where the key is pressed
            const char* page;
        };
        const Case cases[] = {
            {"grid", [&] { return static_cast<QWidget*>(w->peri()); }, "indice.html"},
            {"dock",
             [&] {
                 w->menuItem("VediDefinizioni")->trigger();
                 return static_cast<QWidget*>(w->findChild<DefinitionsPanel*>("Definizioni")->list());
             },
             "definizioni.html"},
            {"fill options",
             [&] {
                 w->menuItem("OpzioniRiempi")->trigger();
                 return shown(*w, "OpzioniRiempimento")->findChild<QWidget*>("TempoMassimo");
             },
             "riempimento.html"},
            {"rules",
             [&] {
                 w->menuItem("OpzioniRiempi")->trigger();
                 for (QGroupBox* g : shown(*w, "OpzioniRiempimento")->findChildren<QGroupBox*>())
                     if (g->title() == "Regole della Rivista") return g->findChild<QWidget*>();
                 return static_cast<QWidget*>(nullptr);
             },
             "regole.html"},
            {"page", [&] {
                 w->menuItem("Stampa")->trigger();
                 return static_cast<QWidget*>(w->controllers().publish().pageDialog());
             },
             "stampa.html"},
            {"export", [&] {
                 w->menuItem("Esporta")->trigger();
                 return static_cast<QWidget*>(w->controllers().publish().fileDialog());
             },
             "stampa.html"},
            {"import", [&] {
                 w->menuItem("Importaipuz")->trigger();
                 return static_cast<QWidget*>(w->controllers().publish().fileDialog());
             },
             "ipuz.html"},
            {"menu item", [&] {
                 auto* tools = w->findChild<QMenu*>("Strumenti");
                 tools->popup(w->mapToGlobal(QPoint(40, 40)));
                 tools->setActiveAction(w->menuItem("Controllo"));
                 return static_cast<QWidget*>(tools);
             },
             "controllo.html"},
        };
        for (const Case& c : cases) {
            QWidget* at = c.open();
            QVERIFY2(at, c.name);
            if (auto* top = at->window(); top != w.get()) top->activateWindow();
            QTest::keyClick(at, Qt::Key_F1);
            QCOMPARE(shownPage(w.get()), QString(c.page));
            delete w->findChild<HelpWindow*>();
            if (at->window() != w.get()) at->window()->close();
            if (auto* menu = qobject_cast<QMenu*>(at)) menu->close();
        }
    }

    // The print preview is modal: its help opens above it, at the page on
    // printing.
    void f1InThePrintPreview() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w.createGrid(3, 3);
        w->menuItem("Stampa")->trigger();
        QString page;
        QTimer::singleShot(0, [&] {
            QWidget* preview = QApplication::activeModalWidget();
            if (!preview) return;
            QTest::keyClick(preview, Qt::Key_F1);
            page = shownPage(preview);
            preview->close();
        });
        QTest::mouseClick(w->controllers().publish().pageDialog()->findChild<QPushButton*>("Conferma"), Qt::LeftButton);
        QCOMPARE(page, QString("stampa.html"));
    }
};

QTEST_MAIN(HelpTest)
#include "help_test.moc"
