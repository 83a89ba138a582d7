#include "core/presenting/status_texts.h"

#include "core/presenting/search_texts.h"

namespace quirvo {

namespace {

std::string countText(size_t count) { return " =" + std::to_string(count) + " "; }

const char* commandTitle(SlotCommand command) {
    switch (command) {
        case SlotCommand::FreeHead: return texts::FREE_HEAD_TITLE;
        case SlotCommand::ShortenHead: return texts::SHORTEN_HEAD_TITLE;
        case SlotCommand::ShortenTail: return texts::SHORTEN_TAIL_TITLE;
        case SlotCommand::FreeTail: return texts::FREE_TAIL_TITLE;
    }
    return texts::BLANK;
}

const char* refusalText(Refusal refusal) {
    switch (refusal) {
        case Refusal::BadRequest: return texts::BAD_REQUEST;
        case Refusal::NotPossible: return texts::NOT_POSSIBLE;
        case Refusal::AlreadyOn: return texts::ALREADY_ON;
        case Refusal::None: break;
    }
    return texts::BLANK;
}

}  // namespace

PanelTexts searchPanels(const SearchStep& step) {
    PanelTexts t;
    t.panel4 = texts::BLANK;
    if (step.refused) {
        t.panel2 = texts::BLANK;
        t.panel3 = texts::BAD_REQUEST;
        t.beeps = 1;
        return t;
    }
    const size_t count = step.scan.hits.size();
    t.panel2 = count >= 1 ? countText(count) : texts::NOTHING_FOUND;
    t.panel3 = step.scan.stopped ? texts::INTERRUPTED : texts::BLANK;
    t.beeps = count >= 1 ? 0 : 1;
    return t;
}

PanelTexts commandPanels(const CommandStep& step) {
    PanelTexts t;
    if (step.ignored) return t;
    if (!step.refusedFirst) t.panel2 = commandTitle(step.command);
    t.panel3 = refusalText(step.refusal);
    t.beeps = step.refusal == Refusal::None ? 0 : 1;
    return t;
}

PanelTexts crossingPanels(const CrossingOutcome& outcome) {
    PanelTexts t;
    if (outcome.refused) {
        t.panel2 = texts::BLANK;
        t.panel3 = outcome.refusal == CrossingRefusal::FilledCell ? texts::BAD_REQUEST : texts::CELL_ERROR;
        t.beeps = 1;
    } else if (outcome.interrupted) {
        t.panel2 = countText(static_cast<size_t>(outcome.crossHits));
        t.panel3 = texts::CROSS_INTERRUPTED;
    } else if (outcome.crossHits == 0) {
        t.panel2 = texts::NOTHING_FOUND;
        t.panel3 = texts::BLANK;
        t.beeps = 1;
    } else {
        t.panel2 = countText(static_cast<size_t>(outcome.crossHits));
        t.panel3 = texts::BLANK;
    }
    return t;
}

std::string crossingLetterText(char letter) { return std::string(" incrocio ") + letter + " "; }

}  // namespace quirvo
