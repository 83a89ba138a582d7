#include "gui/recovery/recovery_dialog.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "gui/app/dialog_window.h"
#include "gui/app/help_window.h"
#include "gui/app/main_window.h"
#include "gui/files/document_flow.h"
#include "gui/recovery/recovery_keeper.h"
#include "gui/recovery/recovery_slot.h"

namespace quirvo {

namespace {

QTreeWidgetItem* lineFor(const RecoveryCopy& copy) {
    const QString path = QString::fromStdString(copy.filePath);
    const QString name = path.isEmpty() ? QString("(nuovo file)") : QFileInfo(path).fileName();
    const QString time = QDateTime::fromSecsSinceEpoch(copy.madeAt).toString("dd/MM/yyyy HH:mm");
    auto* item = new QTreeWidgetItem({name, time});
    item->setToolTip(0, path.isEmpty() ? name : path);
    return item;
}

}  // namespace

RecoveryDialog* RecoveryDialog::offer(MainWindow& window, DocumentFlow& flow, RecoveryKeeper& keeper) {
    std::vector<Left> left;
    for (std::unique_ptr<RecoverySlot>& slot : RecoverySlot::claimLeft()) {
        RecoveryFileRead read = slot->read();
        // A copy that cannot be read is left on disk as it is, for whoever
        // can make something of it.
        if (read.ok()) left.push_back({std::move(slot), std::move(read.copy)});
    }
    if (left.empty()) return nullptr;
    auto* dialog = new RecoveryDialog(window, flow, keeper, std::move(left));
    dialog->show();
    return dialog;
}

RecoveryDialog::RecoveryDialog(MainWindow& window, DocumentFlow& flow, RecoveryKeeper& keeper, std::vector<Left> left)
    : QWidget(&window, Qt::Window), w_(window), flow_(flow), keeper_(keeper), left_(std::move(left)) {
    setObjectName("Recupero");
    makeDialogWindow(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Recupero delle modifiche non salvate");

    auto* intro = new QLabel(
        "QUIRVO non si è chiuso correttamente: di questi schemi sono rimaste le modifiche non salvate.", this);
    intro->setWordWrap(true);
    list_ = new QTreeWidget(this);
    list_->setObjectName("Copie");
    list_->setHeaderLabels({"Schema", "Ora della copia"});
    list_->setRootIsDecorated(false);
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (const Left& l : left_) list_->addTopLevelItem(lineFor(l.copy));
    auto* note = new QLabel(
        "\"Ripristina\" riapre lo schema scelto, da salvare; \"Scarta\" ne elimina la copia.\n"
        "Le copie lasciate qui saranno riproposte al prossimo avvio.",
        this);
    note->setWordWrap(true);
    restore_ = new QPushButton("Ripristina", this);
    restore_->setObjectName("Ripristina");
    discard_ = new QPushButton("Scarta", this);
    discard_->setObjectName("Scarta");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(restore_);
    buttons->addWidget(discard_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(list_, 1);
    layout->addWidget(note);
    layout->addLayout(buttons);
    resize(520, 300);

    connect(restore_, &QPushButton::clicked, this, &RecoveryDialog::restore);
    connect(discard_, &QPushButton::clicked, this, &RecoveryDialog::discard);
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &RecoveryDialog::selectionChanged);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &RecoveryDialog::restore);
    list_->setCurrentItem(list_->topLevelItem(0));
    restore_->setDefault(true);
    w_.setHelpContext(HELP_RECOVERY);
}

RecoveryDialog::~RecoveryDialog() = default;

void RecoveryDialog::closeEvent(QCloseEvent* event) {
    w_.setHelpContext(HELP_CONTENTS);
    QWidget::closeEvent(event);
}

void RecoveryDialog::selectionChanged() {
    const bool chosen = list_->currentIndex().isValid() && !list_->selectedItems().isEmpty();
    restore_->setEnabled(chosen);
    discard_->setEnabled(chosen);
}

void RecoveryDialog::restore() {
    const int i = list_->currentIndex().row();
    if (i < 0) return;
    Left& chosen = left_[static_cast<size_t>(i)];
    if (!flow_.restoreCopy(chosen.copy, this)) return;
    keeper_.adopt(std::move(chosen.slot));
    keeper_.writeNow();
    close();
}

void RecoveryDialog::discard() {
    const int i = list_->currentIndex().row();
    if (i < 0) return;
    left_[static_cast<size_t>(i)].slot->removeCopy();
    left_.erase(left_.begin() + i);
    delete list_->takeTopLevelItem(i);
    if (left_.empty()) close();
}

}  // namespace quirvo
