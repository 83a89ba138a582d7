#include "gui/editing/window_effects_view.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "gui/app/main_window.h"
#include "gui/app/status_panels.h"
#include "gui/display/grid_view.h"

namespace quirvo {

namespace {

// Engine texts are UTF-8; list lines and patterns are grid and dictionary
// bytes, one Latin-1 character each.
QString text(const std::string& s) { return QString::fromUtf8(s); }
QString bytes(const std::string& s) { return QString::fromLatin1(s); }

void showPanels(MainWindow& w, const WindowEffects& fx) {
    const std::optional<std::string>* panels[4] = {&fx.panel1, &fx.panel2, &fx.panel3, &fx.panel4};
    for (int i = 0; i < 4; ++i)
        if (*panels[i]) w.stb1()->setText(i + 1, text(**panels[i]));
    if (fx.panel2ToolTip) w.stb1()->setTip(2, text(*fx.panel2ToolTip));
}

void showList(MainWindow& w, const WindowEffects& fx) {
    if (fx.lists) {
        QStringList lines;
        lines.reserve(static_cast<qsizetype>(fx.lists->size()));
        for (const std::string& line : *fx.lists) lines << bytes(line);
        w.lists()->clear();
        w.lists()->addItems(lines);
    }
    if (fx.listsToolTip) w.lists()->setToolTip(text(*fx.listsToolTip));
}

}  // namespace

void applyWindowEffects(MainWindow& w, const WindowEffects& fx) {
    showPanels(w, fx);
    showList(w, fx);
    if (fx.texta) w.texta()->setPattern(bytes(*fx.texta));
    if (fx.clearTextb) w.textb()->clear();
    if (fx.commandsEnabled)
        for (int n = 1; n <= 4; ++n) w.command(n)->setEnabled(*fx.commandsEnabled);
    if (fx.repaint) w.rinfresca();
    if (fx.redOutline) {
        // After a free end the engine leaves cx..LAY on the freed cells,
        // not on the fixed part outlined in red.
        Outline& outline = w.session().outline;
        const Outline kept = outline;
        outline = *fx.redOutline;
        w.evidenzia();
        outline = kept;
    }
    if (fx.greenOutline) {
        const Outline& g = *fx.greenOutline;
        w.peri()->addOutline(QRectF(g.cx, g.cy, g.LAX, g.LAY), QColor(0, 255, 0));
    }
    for (int i = 0; i < fx.beeps; ++i) MainWindow::beep();
}

}  // namespace quirvo
