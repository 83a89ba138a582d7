#include "gui/fill/fill_settings_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/app/help_window.h"

namespace quirvo {

namespace {

constexpr int MAX_SECONDS = 3600;

}  // namespace

FillSettingsDialog::FillSettingsDialog(FillSettings& options, const Lexicon& lexicon, QWidget* parent)
    : QDialog(parent), options_(options) {
    setObjectName("OpzioniRiempimento");
    setWindowTitle("Opzioni di Riempimento");
    setAttribute(Qt::WA_DeleteOnClose);
    setHelpPage(this, "riempimento.html");
    auto* layout = new QVBoxLayout(this);

    auto* form = new QFormLayout;
    seconds_ = new QSpinBox(this);
    seconds_->setObjectName("TempoMassimo");
    seconds_->setRange(1, MAX_SECONDS);
    seconds_->setSuffix(" s");
    seconds_->setValue(options.seconds);
    form->addRow("Tempo massimo:", seconds_);
    layout->addLayout(form);

    improve_ = new QCheckBox(QString::fromUtf8("Migliora la qualità (usa tutto il tempo)"), this);
    improve_->setObjectName("Migliora");
    improve_->setChecked(options.improve);
    layout->addWidget(improve_);
    auto* noRepeats = new QCheckBox("Nessuna parola ripetuta", this);
    noRepeats->setChecked(true);
    noRepeats->setEnabled(false);
    layout->addWidget(noRepeats);

    auto* group = new QGroupBox("Dizionari usati (se attivi)", this);
    auto* groupLayout = new QVBoxLayout(group);
    for (int slot = 1; slot <= SEARCHABLE_SLOTS; ++slot) {
        if (!lexicon[slot].present()) continue;
        auto* box = new QCheckBox(QStringLiteral("%1- %2").arg(slot).arg(
                                      QString::fromStdString(lexicon[slot].dictFileName)),
                                  group);
        box->setObjectName(QStringLiteral("Usa%1").arg(slot));
        box->setChecked(options.allowed[slot]);
        groupLayout->addWidget(box);
        allowed_[slot] = box;
    }
    layout->addWidget(group);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText("Annulla");
    connect(buttons, &QDialogButtonBox::accepted, this, &FillSettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FillSettingsDialog::reject);
    layout->addWidget(buttons);
}

void FillSettingsDialog::accept() {
    options_.seconds = seconds_->value();
    options_.improve = improve_->isChecked();
    for (int slot = 1; slot <= SEARCHABLE_SLOTS; ++slot)
        if (allowed_[slot]) options_.allowed[slot] = allowed_[slot]->isChecked();
    QDialog::accept();
}

}  // namespace quirvo
