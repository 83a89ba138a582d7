#include "gui/app/main_window_builder.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "gui/app/main_window.h"
#include "gui/app/pictures.h"
#include "gui/app/status_panels.h"
#include "gui/app/twips.h"
#include "gui/display/grid_view.h"

namespace quirvo {

namespace {

QAction* addItem(QMenu* menu, const char* name, const char* caption, bool checkable = false) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(name);
    action->setCheckable(checkable);
    return action;
}

}  // namespace

void MainWindowBuilder::buildMenus() {
    QMenuBar* bar = w_.menuBar();
    QMenu* file = bar->addMenu("File");
    file->setObjectName("File");
    addItem(file, "Nuovo", "Nuovo...");
    addItem(file, "Apri", "Apri File...");
    addItem(file, "Salva", "Salva")->setEnabled(false);
    addItem(file, "Salvacome", "Salva come...")->setEnabled(false);
    file->addSeparator();
    addItem(file, "Esci", "Esci");

    QMenu* view = bar->addMenu("Visualizza");
    view->setObjectName("Visualizza");
    addItem(view, "Numerare", "Mostra Numeri su Schermo", true);
    view->addSeparator();
    addItem(view, "Riduci", "Riduci l'Area dello Schema                      Ctrl -");
    addItem(view, "Ingrandisci", "Ingrandisci l'Area dello Schema               Ctrl +");
    addItem(view, "Originali", "Dimensioni Originali Area Schema           Ctrl 0");

    QMenu* tools = bar->addMenu("Strumenti");
    tools->setObjectName("Strumenti");
    addItem(tools, "Accorcia", "Lunghezza Libera", true)->setChecked(true);
    addItem(tools, "Estesa", "Ricerca Estesa", true)->setChecked(true);
    tools->addSeparator();
    QMenu* dizper = tools->addMenu("Dizionari");
    dizper->setObjectName("Dizper");
    QMenu* attivadiz = dizper->addMenu("Attiva/Disattiva");
    attivadiz->setObjectName("Attivadiz");
    for (int n = 1; n <= 6; ++n) {
        QAction* d = addItem(attivadiz, QStringLiteral("d%1").arg(n).toLatin1().constData(),
                             QStringLiteral("%1-").arg(n).toLatin1().constData(), true);
        d->setObjectName(QStringLiteral("d%1").arg(n));
    }
    addItem(dizper, "Indirdiz", "Vedi Contenuto...");
    tools->addSeparator();
    addItem(tools, "FunWord", "Attivazione Funzioni Linguistiche (sinonimi, ortografia)", true);
    tools->addSeparator();
    addItem(tools, "Controllo", "Controllo Schema", true)->setChecked(true);
    addItem(tools, "Riempi", "Riempi Schema");
    addItem(tools, "RiempiParola", "Riempi Parola");
    addItem(tools, "OpzioniRiempi", "Opzioni di Riempimento");
    addItem(tools, "GeneraSchema", "Genera Schema Libero...");

    QAction* help = bar->addAction("Aiuto F1");
    help->setObjectName("AiutoF1");
}

void MainWindowBuilder::addToolbarButton(const char* key, int image, const char* tip, bool group,
                                         bool narrow) {
    QAction* action = w_.tlb1_->addAction(QString::fromUtf8(tip));
    action->setObjectName(key);
    action->setToolTip(QString::fromUtf8(tip));
    action->setCheckable(group);
    QIcon icon;
    const int size = narrow ? 20 : 32;
    for (qreal dpr : {1.0, 2.0}) icon.addPixmap(toolbarPicture(image, size, dpr));
    action->setIcon(icon);
    w_.buttons_.insert(key, action);
}

// A widget inside the toolbar is shown and hidden through its toolbar action.
QAction* MainWindowBuilder::addPlaceholder(int widthTwips, QWidget* content) {
    content->setFixedWidth(twips_.toPixelsX(widthTwips));
    return w_.tlb1_->addWidget(content);
}

void MainWindowBuilder::buildToolbar(bool narrow) {
    w_.tlb1_ = w_.addToolBar("Tlb1");
    w_.tlb1_->setObjectName("Tlb1");
    w_.tlb1_->setMovable(false);
    w_.tlb1_->setIconSize(narrow ? QSize(20, 20) : QSize(32, 32));
    w_.tlb1_->addSeparator();
    addToolbarButton("a9", 1, "Anagrammi di TEST", false, narrow);
    addToolbarButton("a10", 2, "Sinonimi e Contrari di TEST", false, narrow);
    addToolbarButton("a11", 3, "Ortografia di TEST", false, narrow);
    addToolbarButton("a12", 4, "Non disponibile", false, narrow);
    w_.tlb1_->addSeparator();

    w_.picture1_ = new QLabel;
    w_.picture1_->setObjectName("Picture1");
    w_.picture1_->setPixmap(testFieldPicture(narrow ? 20 : 28, w_.devicePixelRatioF()));
    w_.picture1_->setAlignment(Qt::AlignCenter);
    w_.picture1Slot_ = addPlaceholder(500, w_.picture1_);
    w_.picture1Slot_->setVisible(false);

    w_.textb_ = new QLineEdit;
    w_.textb_->setObjectName("textb");
    w_.textb_->setEnabled(false);
    addPlaceholder(2000, w_.textb_);
    addPlaceholder(700, new QWidget);

    addToolbarButton("a0", 5, "Annerisci o Sbianca Casella", true, narrow);
    addToolbarButton("a3", 6, "Scrivi Riga", true, narrow);
    addToolbarButton("a4", 7, "Scrivi Colonna", true, narrow);
    addToolbarButton("a5", 8, "Pulisci Casella", true, narrow);
    addToolbarButton("a1", 9, "Suggerisci Riga", true, narrow);
    addToolbarButton("a2", 10, "Suggerisci Colonna", true, narrow);
    addToolbarButton("a6", 11, "Suggerisci Incrocio", true, narrow);
    w_.tlb1_->addSeparator();
    addToolbarButton("a7", 12, "Annulla ultima azione", false, narrow);
    addToolbarButton("a8", 13, "Ripristina ultimo Annullamento", false, narrow);
    w_.tlb1_->addSeparator();
}

void MainWindowBuilder::buildControls() {
    auto* central = new QWidget(&w_);
    central->setObjectName("Form1Client");
    w_.setCentralWidget(central);

    auto label = [&](const char* name, const char* text) {
        auto* l = new QLabel(QString::fromUtf8(text), central);
        l->setObjectName(name);
        return l;
    };
    w_.label3_ = label("Label3", "RISULTATO della RICERCA");
    w_.label1_ = label("Label1", "OGGETTO in RICERCA");
    w_.texta_ = new PatternLabel(central);
    w_.label0_ = label("Label0", " Attendere il caricamento dei Dizionari ...");
    w_.secCar_ = label("SecCar", "0");
    w_.secCar_->setVisible(false);

    const char* captions[4] = {"Libera INIZIO", "Accorcia all' INIZIO", "Accorcia in CODA", "Libera CODA"};
    for (int i = 0; i < 4; ++i) {
        auto* b = new QPushButton(captions[i], central);
        b->setObjectName(QStringLiteral("Command%1").arg(i + 1));
        b->setEnabled(false);
        b->setFocusPolicy(Qt::NoFocus);
        w_.commands_[i] = b;
    }

    w_.lists_ = new QListWidget(central);
    w_.lists_->setObjectName("Lists");
    w_.lists_->setSortingEnabled(true);
    w_.lists_->setUniformItemSizes(true);

    w_.imageA_ = label("ImageA", "");
    w_.periArea_ = new QScrollArea(central);
    w_.periArea_->setObjectName("PeriArea");
    w_.periArea_->setFrameShape(QFrame::NoFrame);
    w_.periArea_->setFocusPolicy(Qt::NoFocus);
    w_.periArea_->setWidgetResizable(false);
    w_.peri_ = new GridView(w_.session_);
    w_.periArea_->setWidget(w_.peri_);
    w_.peri_->setVisible(false);

    w_.stb1_ = new StatusPanels(twips_, &w_);
    w_.statusBar()->addWidget(w_.stb1_, 1);
    w_.statusBar()->setSizeGripEnabled(false);

    w_.timer0_ = new QTimer(&w_);
    w_.timer0_->setObjectName("Timer0");
    w_.timer0_->setInterval(w_.options_.loadDelayMs);
    w_.timer2_ = new QTimer(&w_);
    w_.timer2_->setObjectName("Timer2");
    w_.timer2_->setInterval(w_.options_.counterMs);
}

}  // namespace quirvo
