#include "gui/fill/fill_settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <algorithm>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/app/help_window.h"
#include "gui/fill/banned_words.h"

namespace quirvo {

namespace {

constexpr int MAX_SECONDS = 3600;
constexpr int FAMILIARITY_LEVELS[] = {FAMILIARITY_ALL, FAMILIARITY_COMMON, FAMILIARITY_VERY_COMMON};

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
    layout->addWidget(rulesGroup(lexicon));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText("Annulla");
    connect(buttons, &QDialogButtonBox::accepted, this, &FillSettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FillSettingsDialog::reject);
    layout->addWidget(buttons);
}

QGroupBox* FillSettingsDialog::rulesGroup(const Lexicon& lexicon) {
    rules_ = new QGroupBox("Regole della Rivista", this);
    setHelpPage(rules_, "regole.html");
    rules_->setObjectName("Regole");
    rules_->setCheckable(true);
    rules_->setChecked(options_.rules);
    auto* layout = new QVBoxLayout(rules_);
    layout->addWidget(new QLabel(QString::fromUtf8("Niente verbi coniugati, gerundi, verbi con pronomi, forme tronche,\n"
                                                   "parole sconosciute; una sola forma di ogni parola."),
                                 rules_));
    auto* form = new QFormLayout;
    familiarity_ = new QComboBox(rules_);
    familiarity_->setObjectName("Familiarita");
    familiarity_->addItems({"tutte", "comuni", "molto comuni"});
    for (int i = 0; i < 3; ++i)
        if (options_.minFamiliarity == FAMILIARITY_LEVELS[i]) familiarity_->setCurrentIndex(i);
    form->addRow("Parole ammesse:", familiarity_);
    layout->addLayout(form);
    auto* banned = new QPushButton("Parole vietate...", rules_);
    banned->setObjectName("ParoleVietate");
    connect(banned, &QPushButton::clicked, this, [this] { (new BannedWordsDialog(this))->open(); });
    layout->addWidget(banned, 0, Qt::AlignLeft);
    if (!lexicon.hasFacts()) {
        rules_->setEnabled(false);
        rules_->setToolTip(QString::fromUtf8("Manca il file parole.fatti, o è danneggiato"));
    }
    return rules_;
}

void FillSettingsDialog::accept() {
    options_.rules = rules_->isChecked();
    options_.minFamiliarity = FAMILIARITY_LEVELS[std::clamp(familiarity_->currentIndex(), 0, 2)];
    options_.seconds = seconds_->value();
    options_.improve = improve_->isChecked();
    for (int slot = 1; slot <= SEARCHABLE_SLOTS; ++slot)
        if (allowed_[slot]) options_.allowed[slot] = allowed_[slot]->isChecked();
    QDialog::accept();
}

}  // namespace quirvo
