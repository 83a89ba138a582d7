#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "../core/support/dictionary_builders.h"
#include "core/session.h"
#include "gui/dictionary/dictionary_viewer.h"

using namespace quirvo;

namespace {

Session sessionWithDictionaries(int baseEntries) {
    Session s;
    s.programFolder = "/opt/quirvo/";
    std::string base;
    for (int k = 0; k < baseEntries; ++k) base += "AB" + std::to_string(100000 + k) + "\r\n";
    base += "CAS!\r\nLUNA\r\n#nota\r\nMARE\r\nMOLO\r\nZETA";
    testing::installDictionary(s, 1, makeDictionary("base.diz", base));
    testing::installDictionary(s, 2, makeDictionary("mie.dic", "ALFA\r\nCAS!\r\nZERO\r\n"));
    return s;
}

QString selected(QListView* view) { return view->currentIndex().data().toString(); }

void clickDictionary(DictionaryViewer& v, int row) {
    auto* list1 = v.findChild<QListWidget*>("List1");
    const QRect r = list1->visualItemRect(list1->item(row));
    QTest::mouseClick(list1->viewport(), Qt::LeftButton, {}, r.center());
}

}  // namespace

class DictionaryViewerTest : public QObject {
    Q_OBJECT

private slots:
    void listsTheLoadedDictionaries() {
        const Session s = sessionWithDictionaries(0);
        DictionaryViewer v(s, nullptr);
        auto* list1 = v.findChild<QListWidget*>("List1");
        QCOMPARE(list1->count(), 2);
        QCOMPARE(list1->item(0)->text(), QString("D1-base.diz"));
        QCOMPARE(list1->item(1)->text(), QString("D2-mie.dic"));
        QCOMPARE(v.findChild<QLabel*>("Label1")->text(), QString("Cartella dei Dizionari =  /opt/quirvo/"));
    }

    void baseHalvesSearchAndSwitch() {
        const Session s = sessionWithDictionaries(0);
        DictionaryViewer v(s, nullptr);
        v.show();
        clickDictionary(v, 0);
        auto* list2 = v.findChild<QListView*>("List2");
        auto* list3 = v.findChild<QListView*>("List3");
        auto* text1 = v.findChild<QLineEdit*>("Text1");
        auto* command2 = v.findChild<QPushButton*>("Command2");
        QCOMPARE(v.findChild<QLabel*>("Label3")->text(), QString("Totale Voci = 5"));
        QCOMPARE(list2->model()->rowCount(), 3);
        QVERIFY(!command2->isVisible());

        QTest::keyClicks(text1, "case");
        QCOMPARE(selected(list2), QString("CAS(AE)"));
        text1->clear();
        QCOMPARE(selected(list2), QString("CAS(AE)"));
        QTest::keyClicks(text1, "mare");
        QVERIFY(list3->isVisible());
        QCOMPARE(command2->text(), QString("A-L<="));
        QCOMPARE(selected(list3), QString("MARE"));
        text1->setText("zz");
        QCOMPARE(selected(list3), QString("ZETA"));
        v.Command2_Click();
        QVERIFY(!list3->isVisible());
        QCOMPARE(selected(list2), QString("CAS(AE)"));
    }

    void personalDictionaryAsItStands() {
        const Session s = sessionWithDictionaries(0);
        DictionaryViewer v(s, nullptr);
        v.show();
        clickDictionary(v, 1);
        auto* list2 = v.findChild<QListView*>("List2");
        QCOMPARE(list2->model()->index(1, 0).data().toString(), QString("CAS!"));
        QCOMPARE(selected(list2), QString("ALFA"));
        QCOMPARE(v.findChild<QListView*>("List3")->model()->rowCount(), 0);
    }

    void largeBaseShowsTheHalfSwitch() {
        const Session s = sessionWithDictionaries(40000);
        DictionaryViewer v(s, nullptr);
        v.show();
        clickDictionary(v, 0);
        auto* command2 = v.findChild<QPushButton*>("Command2");
        QVERIFY(command2->isVisible());
        QTest::mouseClick(command2, Qt::LeftButton);
        QCOMPARE(selected(v.findChild<QListView*>("List3")), QString("MARE"));
    }
};

QTEST_MAIN(DictionaryViewerTest)
#include "dictionary_viewer_test.moc"
