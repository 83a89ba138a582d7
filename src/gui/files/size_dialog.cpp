#include "gui/files/size_dialog.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "core/grid/grid.h"
#include "gui/app/dialog_window.h"
#include "gui/app/main_window.h"
#include "gui/app/message_box.h"

namespace quirvo {

namespace {

// An empty field counts as 0; a run of digits too long to be a size counts
// as far beyond the limits instead of overflowing.
int sizeValue(const QString& text) {
    if (text.isEmpty()) return 0;
    return text.size() > 6 ? 1000000 : text.toInt();
}

}  // namespace

SizeDialog::SizeDialog(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("Form0a");
    makeDialogWindow(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("     DIMENSIONAMENTO");

    auto* label1 = new QLabel(" N.ro RIGHE (max.25)", this);
    label1->setObjectName("Label1");
    auto* label2 = new QLabel(" N.ro COLONNE (max.35)", this);
    label2->setObjectName("Label2");
    // Pasted text is held to digits as well; typed keys go through solocifre.
    auto* digits = new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this);
    for (QLineEdit** field : {&text1_, &text2_}) {
        *field = new QLineEdit(this);
        (*field)->setValidator(digits);
        (*field)->installEventFilter(this);
    }
    text1_->setObjectName("Text1");
    text2_->setObjectName("Text2");
    command1_ = new QPushButton("OK", this);
    command1_->setObjectName("Command1");
    auto* command2 = new QPushButton("Annullo", this);
    command2->setObjectName("Command2");
    for (QPushButton* b : {command1_, command2}) b->setAutoDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(label1, 0, 0);
    layout->addWidget(text1_, 0, 1);
    layout->addWidget(label2, 1, 0);
    layout->addWidget(text2_, 1, 1);
    layout->addWidget(command1_, 2, 0);
    layout->addWidget(command2, 2, 1);

    connect(command1_, &QPushButton::clicked, this, &SizeDialog::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &QWidget::close);
    text1_->setFocus();
}

bool SizeDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || (watched != text1_ && watched != text2_))
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        enterIn(static_cast<QLineEdit*>(watched));
    return !solocifre(key);
}

// Only keys that type a character are filtered; moving keys, Delete and
// Tab pass.
bool SizeDialog::solocifre(const QKeyEvent* key) {
    switch (key->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return true;
    default: break;
    }
    const bool typesCharacter = !key->text().isEmpty() || key->key() == Qt::Key_Return ||
                                key->key() == Qt::Key_Enter;
    if (!typesCharacter) return true;
    const QChar c = key->text().isEmpty() ? QChar('\r') : key->text().at(0);
    if (c < QChar('0') || c > QChar('9')) {
        MainWindow::beep();
        return false;
    }
    return true;
}

void SizeDialog::enterIn(QLineEdit* field) {
    QWidget* next = field == text1_ ? static_cast<QWidget*>(text2_) : command1_;
    (field->text().isEmpty() ? static_cast<QWidget*>(field) : next)->setFocus();
}

void SizeDialog::Command1_Click() {
    const int rows = sizeValue(text1_->text());
    const int cols = sizeValue(text2_->text());
    if (!sizeWithinLimits(rows, cols)) {
        fuorilimiti();
        return;
    }
    emit sizeChosen(rows, cols);
}

void SizeDialog::fuorilimiti() {
    showMessage(this, "E R R O R E", "al di fuori dei limiti\nRiprova ...", QMessageBox::Warning);
    MainWindow::beep();
}

}  // namespace quirvo
