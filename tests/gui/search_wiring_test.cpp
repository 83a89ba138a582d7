#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "gui/app/status_panels.h"
#include "gui/display/grid_view.h"
#include "support/grid_input.h"
#include "support/test_window.h"

using namespace quirvo;
using namespace quirvo::test;

namespace {

const char* WORDS = "AMOR\r\nCANE\r\nCAS!\r\nCASTO\r\nCO\r\nCOSTA\r\nLO\r\nORMA\r\nPALO\r\nROMA\r\n";

}  // namespace

class SearchWiringTest : public QObject {
    Q_OBJECT

private slots:
    void rowClickListsWordsAndTransfersThem() {
        TestWindow w(TestWindow::Files{{"base.diz", WORDS}, {"mie.dic", "CASA\r\nCASE\r\n"}});
        QVERIFY(w.waitLoaded());
        w.createGrid(3, 5);
        w.setRows({"CAS??", "#????", "?????"});
        clickToolbar(*w, "a1");
        clickCell(*w, 0, 3);
        QCOMPARE(listLines(*w), QStringList({"CASTO -1"}));
        QCOMPARE(w->stb1()->text(2), QString(" =1 "));
        QCOMPARE(w->texta()->text(), QString("CAS??"));
        QVERIFY(w->command(4)->isEnabled());
        QCOMPARE(w->lists()->toolTip(), QString("Click per trasferire a RIGA"));

        // Only four cells: the vowel set is offered in brackets, beside the personal words.
        w.setRows({"CAS?#", "#????", "?????"});
        clickCell(*w, 0, 1);
        QCOMPARE(listLines(*w), QStringList({"CAS(AE) -1", "CASA -2", "CASE -2"}));
        QVERIFY(clickListLine(*w, "CAS(AE) -1"));
        QCOMPARE(gridRows(*w).at(0), QString("CASA#"));
        QVERIFY(clickListLine(*w, "CAS(AE) -1"));
        QCOMPARE(gridRows(*w).at(0), QString("CASE#"));
    }

    void freeTailAndItsRefusals() {
        TestWindow w(TestWindow::Files{{"base.diz", WORDS}});
        QVERIFY(w.waitLoaded());
        w.createGrid(2, 5);
        w.setRows({"CO???", "?????"});
        clickToolbar(*w, "a1");
        clickCell(*w, 0, 0);
        QCOMPARE(listLines(*w), QStringList({"COSTA -1"}));
        QTest::mouseClick(w->command(4), Qt::LeftButton);
        QCOMPARE(w->texta()->text(), QString("CO*"));
        // The star takes one cell: three to five letters, so CO stays out.
        QCOMPARE(listLines(*w), QStringList({"COSTA -1"}));
        const auto& overlays = w->peri()->overlays();
        QCOMPARE(overlays.size(), 2);
        QCOMPARE(overlays.last().color, QColor(0, 255, 0));
        QCOMPARE(overlays.last().cells, QRectF(2, 0, 3, 1));
        QTest::mouseClick(w->command(4), Qt::LeftButton);
        QCOMPARE(w->stb1()->text(3), QString::fromUtf8(" Già attivata! "));
        QTest::mouseClick(w->command(1), Qt::LeftButton);
        QCOMPARE(w->stb1()->text(3), QString(" Richiesta errata! "));
    }

    void crossingTrialListsFittingLetters() {
        TestWindow w(TestWindow::Files{{"base.diz", WORDS}});
        QVERIFY(w.waitLoaded());
        w.createGrid(3, 4);
        w.setRows({"PA?O", "##O#", "?###"});
        clickToolbar(*w, "a6");
        clickCell(*w, 0, 2);
        QCOMPARE(listLines(*w), QStringList({"L"}));
        QCOMPARE(w->stb1()->text(2), QString(" =1 "));
        QVERIFY(clickListLine(*w, "L"));
        QCOMPARE(gridRows(*w).at(0), QString("PALO"));

        clickCell(*w, 0, 2);
        QCOMPARE(w->stb1()->text(3), QString(" Richiesta errata! "));
        clickCell(*w, 2, 0);
        QCOMPARE(w->stb1()->text(3), QString(" errore CASELLA "));
    }
};

QTEST_MAIN(SearchWiringTest)
#include "search_wiring_test.moc"
