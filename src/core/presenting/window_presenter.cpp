#include "core/presenting/window_presenter.h"

#include "core/presenting/result_lines.h"
#include "core/presenting/search_texts.h"
#include "core/presenting/status_texts.h"

namespace quirvo {

namespace {

void show(const PanelTexts& t, WindowEffects& fx) {
    if (t.panel2) fx.panel2 = t.panel2;
    if (t.panel3) fx.panel3 = t.panel3;
    if (t.panel4) fx.panel4 = t.panel4;
    fx.beeps += t.beeps;
}

struct StepEffects {
    WindowEffects& fx;

    void operator()(const PickStep& pick) const {
        fx.listsToolTip = "";
        fx.texta = pick.pattern;
        fx.commandsEnabled = true;
        fx.repaintWithRed(pick.red);
        fx.clearTextb = true;
    }
    void operator()(const CommandStep& step) const {
        show(commandPanels(step), fx);
        if (!step.changedSlot()) return;
        fx.texta = step.pattern;
        fx.clearTextb = true;
        if (step.red) fx.repaintWithRed(*step.red);
        if (step.green) fx.greenOutline = step.green;
    }
    void operator()(const SearchStep& step) const {
        fx.panel2ToolTip = "";
        show(searchPanels(step), fx);
        fx.lists = listLines(step.scan);
        if (step.refused) fx.listsToolTip = "";
    }
};

}  // namespace

WindowEffects searchEffects(const SearchOutcome& outcome) {
    WindowEffects fx;
    const PickStep* pick = nullptr;
    for (const SearchEvent& step : outcome.steps) {
        std::visit(StepEffects{fx}, step);
        if (!pick) pick = std::get_if<PickStep>(&step);
    }
    if (pick) tipForTakenSlot(fx, pick->row);
    return fx;
}

void tipForTakenSlot(WindowEffects& fx, bool row) {
    if (fx.lists && !fx.lists->empty()) fx.listsToolTip = row ? texts::ROW_LIST_TIP : texts::COLUMN_LIST_TIP;
}

WindowEffects crossingEffects(const CrossingOutcome& outcome) {
    WindowEffects fx;
    show(crossingPanels(outcome), fx);
    if (outcome.refused) return fx;
    fx.texta = "?";
    fx.clearTextb = true;
    fx.commandsEnabled = false;
    fx.panel2ToolTip = texts::CROSS_STOP_TIP;
    if (outcome.crossHits >= 1) fx.listsToolTip = texts::CROSS_LIST_TIP;
    fx.lists = crossingLines(outcome);
    return fx;
}

WindowEffects crossingClickEffects(const CrossingOutcome& outcome, const Outline& cell) {
    const bool filled = outcome.refusal == CrossingRefusal::FilledCell;
    WindowEffects fx = crossingEffects(outcome);
    fx.panel1 = outcome.vowelsOnly ? texts::CROSS_TITLE_VOWELS : texts::CROSS_TITLE_ALL;
    if (filled) return fx;
    fx.repaintWithRed(cell);
    if (!fx.listsToolTip) fx.listsToolTip = "";
    return fx;
}

}  // namespace quirvo
