#include "gui/schema/schema_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/grid/grid.h"
#include "gui/app/help_window.h"
#include "gui/schema/proposal_picture.h"

namespace quirvo {

namespace {

constexpr int MAX_SECONDS = 3600;
constexpr int PICTURE_SIDE = 150;
constexpr int PROPOSALS_ACROSS = 2;

QSpinBox* spinBox(const char* name, int low, int high, int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(low, high);
    box->setValue(value);
    return box;
}

}  // namespace

SchemaDialog::SchemaDialog(SchemaSettings& settings, int gridRows, int gridCols, bool rulesAvailable, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setObjectName("GeneraSchema");
    setWindowTitle("Genera Schema Libero");
    setHelpPage(this, "schema_libero.html");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);

    auto* start = new QGroupBox("Partenza", this);
    auto* startLayout = new QFormLayout(start);
    blank_ = new QRadioButton("Schema vuoto", start);
    blank_->setObjectName("SchemaVuoto");
    rows_ = spinBox("Righe", MIN_ROWS, MAX_ROWS, settings.rows, start);
    cols_ = spinBox("Colonne", MIN_COLS, MAX_COLS, settings.cols, start);
    auto* size = new QHBoxLayout;
    size->addWidget(new QLabel("righe", start));
    size->addWidget(rows_);
    size->addWidget(new QLabel("colonne", start));
    size->addWidget(cols_);
    startLayout->addRow(blank_, size);
    current_ = new QRadioButton(gridRows > 0 ? QStringLiteral("Schema corrente (%1 x %2): lettere e caselle nere restano")
                                                   .arg(gridRows)
                                                   .arg(gridCols)
                                             : QStringLiteral("Schema corrente (nessuno aperto)"),
                                start);
    current_->setObjectName("SchemaCorrente");
    current_->setEnabled(gridRows > 0);
    startLayout->addRow(current_);
    (settings.fromCurrent && gridRows > 0 ? current_ : blank_)->setChecked(true);
    connect(blank_, &QRadioButton::toggled, rows_, &QWidget::setEnabled);
    connect(blank_, &QRadioButton::toggled, cols_, &QWidget::setEnabled);
    rows_->setEnabled(blank_->isChecked());
    cols_->setEnabled(blank_->isChecked());
    layout->addWidget(start);

    auto* form = new QFormLayout;
    black_ = new QDoubleSpinBox(this);
    black_->setObjectName("NereMassimo");
    black_->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    black_->setRange(0, 50);
    black_->setDecimals(1);
    black_->setSuffix(" %");
    black_->setValue(settings.blackPercent);
    form->addRow("Caselle nere al massimo:", black_);
    symmetry_ = new QComboBox(this);
    symmetry_->setObjectName("Simmetria");
    symmetry_->addItems({"nessuna", "rotazione di mezzo giro", "speculare (destra e sinistra)"});
    symmetry_->setCurrentIndex(int(settings.symmetry));
    form->addRow("Simmetria:", symmetry_);
    seconds_ = spinBox("TempoMassimo", 1, MAX_SECONDS, settings.seconds, this);
    seconds_->setSuffix(" s");
    form->addRow("Tempo massimo:", seconds_);
    layout->addLayout(form);
    rules_ = new QCheckBox("Regole della Rivista", this);
    rules_->setObjectName("Regole");
    rules_->setChecked(settings.rules && rulesAvailable);
    rules_->setEnabled(rulesAvailable);
    if (!rulesAvailable) rules_->setToolTip("Manca il file parole.fatti: le regole non sono disponibili");
    layout->addWidget(rules_);

    generate_ = new QPushButton("Genera", this);
    generate_->setObjectName("Genera");
    generate_->setDefault(true);
    connect(generate_, &QPushButton::clicked, this, [this] {
        writeBack();
        emit generateAsked();
    });
    layout->addWidget(generate_);

    auto* proposals = new QGroupBox("Proposte", this);
    auto* proposalsLayout = new QVBoxLayout(proposals);
    proposalsNote_ = new QLabel("Nessuna proposta.", proposals);
    proposalsNote_->setObjectName("NotaProposte");
    proposalsNote_->setWordWrap(true);
    proposalsLayout->addWidget(proposalsNote_);
    proposalsGrid_ = new QGridLayout;
    proposalsLayout->addLayout(proposalsGrid_);
    // Room for every proposal from the start, so the dialog keeps its size.
    const int rows = (PROPOSALS + PROPOSALS_ACROSS - 1) / PROPOSALS_ACROSS;
    proposals->setMinimumSize(PROPOSALS_ACROSS * (PICTURE_SIDE + 16), rows * (PICTURE_SIDE + 34) + 40);
    proposals_ = new QButtonGroup(this);
    connect(proposals_, &QButtonGroup::idClicked, this, [this](int id) {
        keep_->setEnabled(!running_);
        emit previewAsked(id);
    });
    // On a small screen the proposals scroll rather than push the buttons
    // below the screen's edge.
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(proposals);
    scroll->setMinimumWidth(proposals->minimumWidth() + scroll->verticalScrollBar()->sizeHint().width());
    layout->addWidget(scroll, 1);

    auto* buttons = new QDialogButtonBox(this);
    keep_ = buttons->addButton("Usa questo schema", QDialogButtonBox::AcceptRole);
    keep_->setObjectName("UsaSchema");
    keep_->setEnabled(false);
    buttons->addButton("Chiudi", QDialogButtonBox::RejectRole)->setObjectName("Chiudi");
    connect(keep_, &QPushButton::clicked, this, [this] { emit keepAsked(picked()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
}

void SchemaDialog::writeBack() {
    settings_.fromCurrent = current_->isChecked();
    settings_.rows = rows_->value();
    settings_.cols = cols_->value();
    settings_.blackPercent = black_->value();
    settings_.symmetry = Symmetry(symmetry_->currentIndex());
    settings_.seconds = seconds_->value();
    if (rules_->isEnabled()) settings_.rules = rules_->isChecked();
}

void SchemaDialog::setRunning(bool running) {
    running_ = running;
    generate_->setEnabled(!running);
    keep_->setEnabled(!running && picked() >= 0);
    if (running) clearProposals();
    if (running) proposalsNote_->setText("Ricerca in corso: Esc o un click sul secondo pannello la interrompe.");
}

void SchemaDialog::clearProposals() {
    for (QAbstractButton* button : proposals_->buttons()) {
        proposals_->removeButton(button);
        delete button;
    }
    keep_->setEnabled(false);
}

void SchemaDialog::showProposals(const std::vector<Schema>& schemas) {
    clearProposals();
    proposalsNote_->setText(schemas.empty() ? "Nessuno schema trovato nel tempo dato."
                                            : "Un click su una proposta la mostra nello schema.");
    for (size_t i = 0; i < schemas.size(); ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("Proposta%1").arg(i + 1));
        button->setCheckable(true);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        const QPixmap picture = proposalPicture(schemas[i].grid, PICTURE_SIDE, devicePixelRatioF());
        button->setIcon(picture);
        button->setIconSize(picture.size() / picture.devicePixelRatio());
        button->setText(QStringLiteral("%1 caselle nere").arg(schemas[i].black));
        proposals_->addButton(button, int(i));
        proposalsGrid_->addWidget(button, int(i) / PROPOSALS_ACROSS, int(i) % PROPOSALS_ACROSS);
    }
}

int SchemaDialog::picked() const { return proposals_->checkedId(); }

void SchemaDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && running_) {
        emit stopAsked();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace quirvo
