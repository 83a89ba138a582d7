#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QPushButton;

namespace quirvo {

struct Session;
class ViewerListModel;

// Form0f: browses any loaded dictionary; the base dictionary in two halves,
// A-L and M-Z, that take turns in the same place. Not modal.
class DictionaryViewer : public QWidget {
    Q_OBJECT
public:
    DictionaryViewer(const Session& session, QWidget* owner);

    void List1_Click(int row);
    void Text1_Change();
    void Command2_Click();

private:
    void buildControls();
    QListView* shownList() const;

    const Session& session_;
    int slot_ = 0;
    QLabel* label1_ = nullptr;
    QLabel* label3_ = nullptr;
    QListWidget* list1_ = nullptr;
    QListView* list2_ = nullptr;
    QListView* list3_ = nullptr;
    ViewerListModel* model2_ = nullptr;
    ViewerListModel* model3_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QPushButton* command2_ = nullptr;
};

}  // namespace quirvo
