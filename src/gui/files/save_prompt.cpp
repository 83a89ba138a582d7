#include "gui/files/save_prompt.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/dialog_window.h"

namespace quirvo {

SavePrompt::SavePrompt(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("Form0c");
    makeDialogWindow(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("   ATTENZIONE!");

    label1_ = new QLabel(this);
    label1_->setObjectName("Label1");
    label1_->setWordWrap(true);
    label1_->setMinimumWidth(360);
    auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(true);
        return b;
    };
    QPushButton* command1 = button("Command1", "Salvare Ora");
    QPushButton* command3 = button("Command3", "   Non Salvare");
    QPushButton* command2 = button("Command2", "Annullo");

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {command1, command3, command2}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1_);
    layout->addLayout(buttons);

    connect(command1, &QPushButton::clicked, this, &SavePrompt::saveNow);
    connect(command3, &QPushButton::clicked, this, &SavePrompt::discard);
    connect(command2, &QPushButton::clicked, this, &QWidget::close);
    command1->setFocus();
}

void SavePrompt::setFilePath(const QString& filePath) {
    label1_->setText("Il file " + filePath + " è stato modificato ma non è stato salvato");
}

void SavePrompt::finish() {
    finished_ = true;
    close();
}

void SavePrompt::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!finished_) emit cancelled();
}

}  // namespace quirvo
