#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include "gui/display/grid_view.h"
#include "gui/document/grid_document.h"
#include "support/document_helpers.h"
#include "support/grid_input.h"
#include "support/test_window.h"

using namespace quirvo;
using namespace quirvo::test;

namespace {

using Cells = QList<QPoint>;

// The cells of each signal since the last call, oldest first.
QList<Cells> taken(QSignalSpy& spy) {
    QList<Cells> all;
    for (const QList<QVariant>& args : spy) all << args.at(0).value<Cells>();
    spy.clear();
    return all;
}

}  // namespace

class GridDocumentTest : public QObject {
    Q_OBJECT

private slots:
    // Every edit the user makes reaches the grid through the document,
    // which tells once per edit which cells changed; the picture follows.
    void everyEditIsOneSignalWithItsCells() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        w.createGrid(3, 7);
        w.setRows({"???????", "#??R??#", "???????"});
        QSignalSpy spy(&w->document(), &GridDocument::cellsChanged);

        clickToolbar(*w, "a0");
        clickCell(*w, 0, 6);
        QCOMPARE(taken(spy), QList<Cells>{Cells{QPoint(6, 0)}});
        QCOMPARE(w->session().gridModified, int16_t(1));
        QCOMPARE(w->peri()->overlays().size(), 1);

        clickToolbar(*w, "a1");
        w->session().slot.slotColFirst = 1;
        w->session().outline = {1, 1, 5, 1};
        w->lists()->addItems({"CARTA -2", "PARCO -3"});
        QVERIFY(clickListLine(*w, "CARTA -2"));
        const Cells carta{QPoint(1, 1), QPoint(2, 1), QPoint(4, 1), QPoint(5, 1)};
        QCOMPARE(taken(spy), QList<Cells>{carta});
        // The next line takes the first back, then writes: two edits.
        QVERIFY(clickListLine(*w, "PARCO -3"));
        QCOMPARE(taken(spy).size(), 2);

        clickToolbar(*w, "a7");  // walks the group backwards
        QCOMPARE(taken(spy), QList<Cells>{Cells(carta.rbegin(), carta.rend())});
        QCOMPARE(gridRows(*w)[1], QString("#??R??#"));

        clickToolbar(*w, "a5");
        clickCell(*w, 2, 2);  // already empty: refused, nothing changed
        QCOMPARE(taken(spy), QList<Cells>{});
    }

    void aNewGridListsEveryCell() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        QSignalSpy spy(&w->document(), &GridDocument::cellsChanged);
        w->menuItem("Nuovo")->trigger();
        QWidget* form0a = shown(*w, "Form0a");
        QVERIFY(form0a);
        QTest::keyClicks(form0a->findChild<QLineEdit*>("Text1"), "2");
        QTest::keyClicks(form0a->findChild<QLineEdit*>("Text2"), "3");
        click(form0a, "Command1");
        QCOMPARE(taken(spy).value(0).size(), 6);
    }
};

QTEST_MAIN(GridDocumentTest)
#include "grid_document_test.moc"
