#include "gui/dictionary/search_effects.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "gui/app/main_window.h"
#include "gui/app/status_panels.h"
#include "gui/display/grid_view.h"

namespace quirvo {

namespace {

QString ui(const std::string& text) { return QString::fromUtf8(text.c_str(), qsizetype(text.size())); }

void applyLists(MainWindow& w, const std::vector<std::string>& lines) {
    QListWidget* lists = w.lists();
    lists->setUpdatesEnabled(false);
    lists->clear();
    QStringList items;
    items.reserve(qsizetype(lines.size()));
    // Result lines are dictionary bytes, one byte a character, like the grid.
    for (const std::string& line : lines) items.append(QString::fromLatin1(line.data(), qsizetype(line.size())));
    lists->addItems(items);
    lists->setUpdatesEnabled(true);
}

}  // namespace

void applyEffects(MainWindow& w, const WindowEffects& e) {
    StatusPanels* stb = w.stb1();
    const std::optional<std::string>* panels[4] = {&e.panel1, &e.panel2, &e.panel3, &e.panel4};
    for (int k = 0; k < 4; ++k)
        if (*panels[k]) stb->setText(k + 1, ui(**panels[k]));
    if (e.panel2ToolTip) stb->setTip(2, ui(*e.panel2ToolTip));
    if (e.lists) applyLists(w, *e.lists);
    if (e.listsToolTip) w.lists()->setToolTip(ui(*e.listsToolTip));
    if (e.texta) w.texta()->setText(QString::fromLatin1(e.texta->c_str()));
    if (e.clearTextb) w.textb()->clear();
    if (e.commandsEnabled)
        for (int n = 1; n <= 4; ++n) w.command(n)->setEnabled(*e.commandsEnabled);
    if (e.repaint) w.rinfresca();
    if (e.redOutline) {
        w.session().outline = *e.redOutline;
        w.evidenzia();
    }
    if (e.greenOutline) {
        const Outline& g = *e.greenOutline;
        w.peri()->addOutline(QRectF(g.cx, g.cy, g.LAX, g.LAY), QColor(0, 255, 0));
        w.session().outline = g;
    }
    for (int k = 0; k < e.beeps; ++k) MainWindow::beep();
}

}  // namespace quirvo
