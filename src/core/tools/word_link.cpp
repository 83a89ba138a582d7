#include "core/tools/word_link.h"

namespace quirvo {

WordLink::WordLink(LanguageDataPaths paths) : paths_(std::move(paths)) {}

LinkOutcome WordLink::apriword() {
    LinkOutcome outcome;
    services_ = HunspellMythesServices::open(paths_, &outcome.reason);
    if (services_) {
        state_ = LinkState::Open;
        outcome.toolsEnabled = true;
    } else {
        state_ = LinkState::Failed;
        outcome.message = WORD_LINK_FAILURE_MESSAGE;
        outcome.title = WORD_LINK_FAILURE_TITLE;
    }
    return outcome;
}

LinkOutcome WordLink::chiudiword() {
    services_.reset();
    state_ = LinkState::Closed;
    return {};
}

LinkOutcome WordLink::toggle() { return state_ == LinkState::Closed ? apriword() : chiudiword(); }

}  // namespace quirvo
