#include "gui/dictionary/dictionary_viewer.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>

#include "core/session.h"
#include "gui/app/dialog_window.h"
#include "gui/dictionary/viewer_list_model.h"

namespace quirvo {

DictionaryViewer::DictionaryViewer(const Session& session, QWidget* owner)
    : QWidget(owner, Qt::Window), session_(session) {
    setObjectName("Form0f");
    makeDialogWindow(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("  VERIFICA  DEI  DIZIONARI  PERSONALIZZATI");
    buildControls();
    label1_->setText("Cartella dei Dizionari =  " + QString::fromStdString(session_.programFolder));
    const Lexicon& lexicon = *session_.lexicon;
    for (int slot = 1; slot <= 6 && lexicon[slot].present(); ++slot)
        list1_->addItem(QStringLiteral("D%1-").arg(slot) + QString::fromStdString(lexicon[slot].dictFileName));
}

void DictionaryViewer::buildControls() {
    auto* layout = new QGridLayout(this);
    auto named = [this](auto* w, const char* name) {
        w->setObjectName(name);
        w->setParent(this);
        return w;
    };
    label1_ = named(new QLabel, "Label1");
    auto* label2 = named(new QLabel("I Dizionari devono stare nella stessa Cartella del Programma"), "Label2");
    list1_ = named(new QListWidget, "List1");
    list2_ = named(new QListView, "List2");
    list3_ = named(new QListView, "List3");
    label3_ = named(new QLabel, "Label3");
    auto* label4 = named(new QLabel("Cerca  "), "Label4");
    text1_ = named(new QLineEdit, "Text1");
    command2_ = named(new QPushButton("M-Z=>"), "Command2");
    auto* command1 = named(new QPushButton("Esci"), "Command1");
    model2_ = new ViewerListModel(this);
    model3_ = new ViewerListModel(this);
    for (QListView* v : {list2_, list3_}) {
        v->setUniformItemSizes(true);
        v->setEditTriggers(QAbstractItemView::NoEditTriggers);
        v->setFont(QFont("Liberation Mono"));
    }
    list2_->setModel(model2_);
    list3_->setModel(model3_);
    list3_->setVisible(false);
    command2_->setVisible(false);

    layout->addWidget(label1_, 0, 0, 1, 4);
    layout->addWidget(label2, 1, 0, 1, 4);
    layout->addWidget(list1_, 2, 0, 3, 1);
    layout->addWidget(list2_, 2, 1, 3, 3);
    layout->addWidget(list3_, 2, 1, 3, 3);
    layout->addWidget(label3_, 5, 1);
    layout->addWidget(label4, 6, 0, Qt::AlignRight);
    layout->addWidget(text1_, 6, 1);
    layout->addWidget(command2_, 6, 2);
    layout->addWidget(command1, 6, 3);
    resize(640, 520);

    connect(list1_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { List1_Click(list1_->row(item)); });
    connect(text1_, &QLineEdit::textChanged, this, &DictionaryViewer::Text1_Change);
    for (QListView* v : {list2_, list3_})
        connect(v, &QListView::doubleClicked, this,
                [this](const QModelIndex& index) { text1_->setText(index.data().toString()); });
    connect(command2_, &QPushButton::clicked, this, &DictionaryViewer::Command2_Click);
    connect(command1, &QPushButton::clicked, this, &QWidget::close);
}

void DictionaryViewer::List1_Click(int row) {
    command2_->setVisible(false);
    list1_->setEnabled(false);
    slot_ = row + 1;
    list2_->setVisible(false);
    list3_->setVisible(false);
    const Dictionary& dict = (*session_.lexicon)[slot_];
    ViewerLists lists = buildViewerLists(dict, slot_ == 1);
    label3_->setText(QStringLiteral("Totale Voci = %1").arg(lists.count));
    model2_->setList(std::make_unique<ViewerList>(std::move(lists.first)));
    model3_->setList(std::make_unique<ViewerList>(std::move(lists.second)));
    if (lists.count >= 32000) command2_->setVisible(true);
    list2_->setVisible(true);
    list1_->setEnabled(true);
    Text1_Change();
}

QListView* DictionaryViewer::shownList() const { return list3_->isVisible() ? list3_ : list2_; }

void DictionaryViewer::Text1_Change() {
    const std::string t = text1_->text().trimmed().toUpper().toStdString();
    if (slot_ <= 1) {
        if (t.empty()) return;
        const bool secondHalf = static_cast<unsigned char>(t[0]) >= 'M';
        list3_->setVisible(secondHalf);
        list2_->setVisible(!secondHalf);
        command2_->setText(secondHalf ? "A-L<=" : "M-Z=>");
    }
    QListView* view = shownList();
    const auto* model = static_cast<ViewerListModel*>(view->model());
    if (!model->list()) return;
    const int k = model->list()->find(t);
    if (k < 0) return;
    const QModelIndex index = model->index(k);
    view->setCurrentIndex(index);
    view->scrollTo(index, QAbstractItemView::PositionAtTop);
}

void DictionaryViewer::Command2_Click() {
    text1_->setText(list3_->isVisible() ? "a" : "m");
    Text1_Change();
}

}  // namespace quirvo
