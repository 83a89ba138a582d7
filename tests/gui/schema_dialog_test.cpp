#include <QAbstractButton>
#include <QAction>
#include <QDoubleSpinBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "../core/support/small_words.h"
#include "gui/app/status_panels.h"
#include "gui/display/grid_view.h"
#include "gui/schema/schema_dialog.h"
#include "support/grid_input.h"
#include "support/word_lists.h"
#include "support/test_window.h"

using namespace quirvo;
using namespace quirvo::test;

namespace {

std::string smallWordList() {
    std::string text;
    for (const std::string& word : testing::smallWords()) text += word + "\r\n";
    return text;
}

QString panel2(TestWindow& w) { return w->stb1()->text(2); }

SchemaDialog* openDialog(TestWindow& w) {
    w->menuItem("GeneraSchema")->trigger();
    auto* dialog = w->findChild<SchemaDialog*>("GeneraSchema");
    if (dialog) dialog->findChild<QSpinBox*>("TempoMassimo")->setValue(2);
    return dialog;
}

void generate(SchemaDialog* dialog) { QTest::mouseClick(dialog->findChild<QAbstractButton*>("Genera"), Qt::LeftButton); }

}  // namespace

class SchemaDialogTest : public QObject {
    Q_OBJECT

private slots:
    void aProposalIsShownThenKeptAsOneUndoStep() {
        TestWindow w(TestWindow::Files{{"base.diz", smallWordList()}});
        QVERIFY(w.waitLoaded());
        w.createGrid(4, 5);
        w.setRows({"A????", "?????", "?????", "?????"});
        SchemaDialog* dialog = openDialog(w);
        QVERIFY(dialog);
        dialog->findChild<QRadioButton*>("SchemaCorrente")->setChecked(true);
        dialog->findChild<QDoubleSpinBox*>("NereMassimo")->setValue(30);
        generate(dialog);
        QCOMPARE(w->session().busyLevel, int16_t(2));
        QTRY_COMPARE_WITH_TIMEOUT(w->session().busyLevel, int16_t(0), 20000);
        QVERIFY2(panel2(w).endsWith(" proposti ") || panel2(w) == " 1 schema proposto ", qPrintable(panel2(w)));
        const QStringList before = gridRows(*w);

        QTest::mouseClick(dialog->findChild<QAbstractButton*>("Proposta1"), Qt::LeftButton);
        QVERIFY(w->peri()->preview().has_value());
        QCOMPARE(gridRows(*w), before);
        QCOMPARE(w->session().history.historyPos, int16_t(0));

        QTest::mouseClick(dialog->findChild<QAbstractButton*>("UsaSchema"), Qt::LeftButton);
        QVERIFY(!w->peri()->preview().has_value());
        const QStringList kept = gridRows(*w);
        QVERIFY(kept != before);
        QCOMPARE(kept[0][0], QChar('A'));
        QVERIFY(!kept.join("").contains('?'));
        QCOMPARE(w->session().gridModified, int16_t(1));
        QTRY_VERIFY(!w->findChild<SchemaDialog*>("GeneraSchema"));
        clickToolbar(*w, "a7");
        QCOMPARE(gridRows(*w), before);

        // A proposal of another size would replace the modified grid: refused.
        dialog = openDialog(w);
        dialog->findChild<QRadioButton*>("SchemaVuoto")->setChecked(true);
        dialog->findChild<QSpinBox*>("Righe")->setValue(3);
        generate(dialog);
        QTRY_COMPARE_WITH_TIMEOUT(w->session().busyLevel, int16_t(0), 20000);
        QTest::mouseClick(dialog->findChild<QAbstractButton*>("Proposta1"), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QAbstractButton*>("UsaSchema"), Qt::LeftButton);
        QCOMPARE(w.messages.size(), size_t(1));
        QCOMPARE(gridRows(*w), before);
    }

    void stopByPanelEscapeOrTheDialogKeepsTheGridAndClosingWaitsForTheWork() {
        for (const int way : {0, 1, 2, 3}) {
            TestWindow w(TestWindow::Files{{"base.diz", randomTenLetterWords()}});
            QVERIFY(w.waitLoaded());
            w.createGrid(10, 10);
            SchemaDialog* dialog = openDialog(w);
            dialog->findChild<QSpinBox*>("TempoMassimo")->setValue(3600);
            dialog->findChild<QRadioButton*>("SchemaCorrente")->setChecked(true);
            generate(dialog);
            QTRY_VERIFY_WITH_TIMEOUT(panel2(w).startsWith(" schema libero in corso:"), 20000);
            if (way == 0) QTest::mouseClick(w->stb1()->panel(2), Qt::LeftButton);
            if (way == 1) QTest::keyClick(dialog, Qt::Key_Escape);
            if (way == 2) w->close();
            if (way == 3) dialog->close();
            if (way == 2) {
                QTRY_COMPARE_WITH_TIMEOUT(w.quits, 1, 10000);
            } else {
                QTRY_COMPARE_WITH_TIMEOUT(w->session().busyLevel, int16_t(0), 10000);
                QCOMPARE(panel2(w), QString(" interrotto "));
            }
            if (way < 2) QVERIFY(dialog->isVisible());
            QCOMPARE(gridRows(*w), QStringList(10, QString(10, '?')));
            QCOMPARE(w->session().gridModified, int16_t(0));
        }
    }
};

QTEST_MAIN(SchemaDialogTest)
#include "schema_dialog_test.moc"
