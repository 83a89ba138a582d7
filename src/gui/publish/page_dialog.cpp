#include "gui/publish/page_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/help_window.h"

namespace quirvo {

namespace {

template <typename W>
W* named(W* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

}  // namespace

PageDialog::PageDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("Pagina");
    setWindowTitle("Pagina");
    setHelpPage(this, "stampa.html");
    title_ = named(new QLineEdit(this), "Titolo");
    author_ = named(new QLineEdit(this), "Autore");
    emptyGrid_ = named(new QCheckBox("Schema vuoto numerato", this), "SchemaVuoto");
    definitions_ = named(new QCheckBox("Definizioni", this), "ConDefinizioni");
    solution_ = named(new QCheckBox("Soluzione", this), "Soluzione");
    auto* form = new QFormLayout;
    form->addRow("Titolo", title_);
    form->addRow("Autore", author_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("Conferma");
    buttons->button(QDialogButtonBox::Cancel)->setText("Annulla");
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    for (QCheckBox* b : {emptyGrid_, definitions_, solution_}) layout->addWidget(b);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        accept();
        emit chosen(choices());
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void PageDialog::ask(const PageChoices& start, bool pages) {
    title_->setText(start.title);
    author_->setText(start.author);
    emptyGrid_->setChecked(start.emptyGrid);
    definitions_->setChecked(start.definitions);
    solution_->setChecked(start.solution);
    for (QCheckBox* b : {emptyGrid_, definitions_, solution_}) b->setVisible(pages);
    show();
    raise();
    activateWindow();
}

PageChoices PageDialog::choices() const {
    return {title_->text().trimmed(), author_->text().trimmed(), emptyGrid_->isChecked(), definitions_->isChecked(),
            solution_->isChecked()};
}

}  // namespace quirvo
