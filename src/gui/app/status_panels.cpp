#include "gui/app/status_panels.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <algorithm>

#include "gui/app/twips.h"

namespace quirvo {

StatusPanel::StatusPanel(const QString& text, int designWidth, bool shrinks, QWidget* parent)
    : QLabel(text, parent), designWidth_(designWidth), shrinks_(shrinks) {}

void StatusPanel::setLit(bool lit) {
    lit_ = lit;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QPalette().color(lit ? QPalette::Active : QPalette::Disabled,
                                                            QPalette::WindowText));
    setPalette(colours);
}

QSize StatusPanel::sizeHint() const {
    const QSize text = QLabel::sizeHint();
    return {std::max(designWidth_, text.width()), text.height()};
}

QSize StatusPanel::minimumSizeHint() const {
    const QSize natural = sizeHint();
    return shrinks_ ? QSize(std::min(natural.width(), 4 * fontMetrics().averageCharWidth()), natural.height())
                    : natural;
}

void StatusPanel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

namespace {

struct PanelDesign {
    const char* text;
    const char* tip;
    int widthTwips;  // 0: sized to its text
};

const PanelDesign DESIGN[StatusPanels::COUNT] = {
    {"  BENVENUTO !", "", 1587},
    {"  Aprire un CRUCIVERBA dal menu File o usare le funzioni del campo TEST  ", "", 9737},
    {"", "", 529},
    {"", "", 529},
    {"Diz.  ", "Cambia Lingua", 0},
    {"Diz.  ", "Cambia Lingua", 0},
    {"Ric.  ", "Ricerca Normale/Estesa", 0},
    {"Ric.  ", "Ricerca Normale/Estesa", 0},
    {"", "", 176},
    {"", "", 176},
    {"D1", "Attiva/Disattiva", 529},
    {"D2", "Attiva/Disattiva", 529},
    {"D3", "Attiva/Disattiva", 529},
    {"D4", "Attiva/Disattiva", 529},
    {"D5", "Attiva/Disattiva", 529},
    {"D6", "Attiva/Disattiva", 529},
};

}  // namespace

StatusPanels::StatusPanels(const Twips& twips, QWidget* parent) : QWidget(parent) {
    setObjectName("Stb1");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (int i = 0; i < COUNT; ++i) {
        // The two message panels give way first, so the toggles at the
        // right stay on screen in a narrow window.
        const bool message = i < 2;
        auto* panel =
            new StatusPanel(QString::fromUtf8(DESIGN[i].text), twips.toPixelsX(DESIGN[i].widthTwips), message, this);
        panel->setObjectName(QStringLiteral("panel%1").arg(i + 1));
        panel->setToolTip(QString::fromUtf8(DESIGN[i].tip));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        const int index = i + 1;
        connect(panel, &StatusPanel::clicked, this, [this, index] { emit panelClicked(index); });
        layout->addWidget(panel, i == 1 ? 1 : 0);
        panels_.push_back(panel);
        if (index == 4) {
            check_ = new StatusPanel(QString(), 0, false, this);
            check_->setObjectName("panelControllo");
            check_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            layout->addWidget(check_);
        }
    }
}

void StatusPanels::setRaised(int index, bool raised) {
    panel(index)->setFrameStyle(QFrame::Panel | (raised ? QFrame::Raised : QFrame::Sunken));
}

}  // namespace quirvo
