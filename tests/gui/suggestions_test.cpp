#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "../core/support/dictionary_builders.h"
#include "gui/app/status_panels.h"
#include "gui/display/grid_view.h"
#include "gui/files/document_flow.h"
#include "support/grid_input.h"
#include "support/test_window.h"

using namespace quirvo;
using namespace quirvo::test;

namespace {

// A base dictionary made of these lines, in their order.
void useBase(MainWindow& w, const QStringList& lines) {
    std::string text;
    for (const QString& line : lines) text += line.toStdString() + "\r\n";
    testing::installDictionary(w.session(), 1, makeDictionary("base.diz", text));
}

QRectF firstOutline(const MainWindow& w) { return w.peri()->overlays().value(0).cells; }

// Runs action once, at the first moment the window is busy with a scan.
void whileBusy(MainWindow& w, std::function<void()> action) {
    auto* timer = new QTimer(&w);
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, &w, [&w, timer, action] {
        if (w.session().busyLevel < 1) return;
        timer->deleteLater();
        timer->stop();
        action();
    });
    timer->start();
}

}  // namespace

class SuggestionsTest : public QObject {
    Q_OBJECT

private slots:
    void rowSearchThenTransfersAndOneUndo() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        useBase(*w, {"BARCA", "CARTA", "MARCO", "PARCO", "PORTA"});
        w.createGrid(3, 7);
        w.setRows({"???????", "#??R??#", "???????"});
        clickToolbar(*w, "a1");
        clickCell(*w, 1, 2);
        QCOMPARE(listLines(*w), QStringList({"BARCA -1", "CARTA -1", "MARCO -1", "PARCO -1", "PORTA -1"}));
        QCOMPARE(w->lists()->toolTip(), QString("Click per trasferire a RIGA"));
        QCOMPARE(w->stb1()->text(2), QString(" =5 "));
        QCOMPARE(w->texta()->text(), QString("??R??"));
        QCOMPARE(firstOutline(*w), QRectF(1, 1, 5, 1));
        QVERIFY(w->command(1)->isEnabled());
        QCOMPARE(w->session().busyLevel, int16_t(0));

        QVERIFY(clickListLine(*w, "CARTA -1"));
        QCOMPARE(gridRows(*w)[1], QString("#CARTA#"));
        QVERIFY(clickListLine(*w, "PARCO -1"));
        QCOMPARE(gridRows(*w)[1], QString("#PARCO#"));
        clickToolbar(*w, "a7");
        QCOMPARE(gridRows(*w)[1], QString("#??R??#"));
        QCOMPARE(w->stb1()->text(2), QString(" Annullo n. 1 "));
    }

    void draggedRunLimitsTheSlotEitherWay() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        useBase(*w, {"AB", "ABC", "XA", "XAB"});
        w.createGrid(2, 6);
        w.setRows({"?AB#??", "??????"});
        clickToolbar(*w, "a1");
        clickCell(*w, 0, 0);
        QCOMPARE(w->texta()->text(), QString("?AB"));
        QCOMPARE(listLines(*w), QStringList{"XAB -1"});
        for (const auto& [from, to] : {std::pair{0, 1}, std::pair{1, 0}}) {
            dragCells(*w, 0, from, 0, to);
            QCOMPARE(w->texta()->text(), QString("?A"));
            QCOMPARE(firstOutline(*w), QRectF(0, 0, 2, 1));
            QCOMPARE(listLines(*w), QStringList{"XA -1"});
        }
        dragCells(*w, 0, 1, 0, 2);  // AB: no open cell to search
        QCOMPARE(w->texta()->text(), QString("AB"));
        QCOMPARE(w->stb1()->text(3), QString(" Richiesta errata! "));
        QVERIFY(listLines(*w).isEmpty());
    }

    void columnClickOnABlackCellDoesNothingMore() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        useBase(*w, {"AB"});
        w.createGrid(3, 2);
        w.setRows({"?#", "A?", "??"});
        clickToolbar(*w, "a2");
        w->texta()->setText("before");
        clickCell(*w, 0, 1);
        QCOMPARE(w->texta()->text(), QString("before"));
        QVERIFY(w->peri()->overlays().isEmpty());
        QCOMPARE(w->stb1()->text(4), QString(" R1 C2  "));
    }

    void crossingTrialWithAndWithoutCtrl() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        useBase(*w, {"CAE", "CAS", "CAT", "EOS", "SOL"});
        w.createGrid(3, 3);
        w.setRows({"CA?", "##O", "?#?"});
        clickToolbar(*w, "a6");
        clickCell(*w, 0, 2);
        QCOMPARE(listLines(*w), QStringList({"E", "S"}));
        QCOMPARE(w->stb1()->text(1),
                 QString(" SUGGERIMENTI INCROCIO (test completo, premere Ctrl per sole vocali) "));
        QCOMPARE(w->stb1()->text(2), QString(" =2 "));
        QCOMPARE(w->lists()->toolTip(), QString("Click per trasferire all'INCROCIO"));
        QCOMPARE(firstOutline(*w), QRectF(2, 0, 1, 1));
        QCOMPARE(w->session().busyLevel, int16_t(0));

        QTest::keyClick(w->peri(), Qt::Key_Control);
        clickCell(*w, 0, 2);
        QCOMPARE(listLines(*w), QStringList{"E"});
        QCOMPARE(w->stb1()->text(1),
                 QString(" SUGGERIMENTI INCROCIO (solo le vocali, premere Alt per test completo) "));

        QVERIFY(clickListLine(*w, "E"));
        QCOMPARE(gridRows(*w)[0], QString("CAE"));
        clickCell(*w, 0, 2);  // no longer empty
        QCOMPARE(w->stb1()->text(3), QString(" Richiesta errata! "));
        clickCell(*w, 2, 0);  // a run of one cell
        QCOMPARE(w->stb1()->text(3), QString(" errore CASELLA "));
        QVERIFY(listLines(*w).isEmpty());
        QVERIFY(w->stb1()->panel(2)->toolTip().isEmpty());
    }

    void panelTwoStopsTheTrial() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        useBase(*w, {"CAE", "CAS", "CAT", "EOS", "SOL"});
        w.createGrid(3, 3);
        w.setRows({"CA?", "##O", "?#?"});
        clickToolbar(*w, "a6");
        whileBusy(*w, [&] {
            QCOMPARE(w->stb1()->panel(2)->toolTip(), QString("Interrompi"));
            QTest::mouseClick(w->stb1()->panel(2), Qt::LeftButton);
        });
        clickCell(*w, 0, 2);
        QCOMPARE(w->stb1()->text(3), QString(" interruzione  "));
        QCOMPARE(w->stb1()->text(2), QString(" =0 "));
        QCOMPARE(w->session().busyLevel, int16_t(0));
        QCOMPARE(w->session().stopRequest, int16_t(0));
        QVERIFY(w->peri()->cursor().shape() != Qt::WaitCursor);
    }

    void closingDuringTheTrialWaitsForItsEnd() {
        TestWindow w;
        QVERIFY(w.waitLoaded());
        int quits = 0;
        w->controllers().documentFlow().setQuitFunction([&quits] { ++quits; });
        useBase(*w, {"CAE", "CAS", "CAT", "EOS", "SOL"});
        w.createGrid(3, 3);
        w.setRows({"CA?", "##O", "?#?"});
        clickToolbar(*w, "a6");
        whileBusy(*w, [&] { w->close(); });
        clickCell(*w, 0, 2);
        QCOMPARE(w->stb1()->text(3), QString(" interruzione  "));
        QCOMPARE(quits, 0);
        QTRY_COMPARE(quits, 1);
    }
};

QTEST_MAIN(SuggestionsTest)
#include "suggestions_test.moc"
