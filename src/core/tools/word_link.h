#pragma once

#include <memory>
#include <string>

#include "core/tools/hunspell_mythes_services.h"

namespace quirvo {

// Closed: FunWord unchecked, a10 and a11 disabled. Open: checked, services
// loaded, a10 and a11 enabled. Failed: checked, but opening failed and a10
// and a11 stay disabled until the next click closes the link.
enum class LinkState { Closed, Open, Failed };

// What the window does after the link opened, failed or closed.
struct LinkOutcome {
    bool toolsEnabled = false;  // toolbar buttons a10 and a11
    std::string message;        // non-empty: a message box, OK button only
    std::string title;
    std::string reason;  // what went wrong, for the command line and the tests
};

inline constexpr char WORD_LINK_FAILURE_MESSAGE[] =
    "Impossibile caricare il dizionario ortografico italiano o il dizionario dei sinonimi italiano.\r\n"
    "Li forniscono i pacchetti Debian hunspell-it e mythes-it:\r\n"
    "installarli e riprovare.";
inline constexpr char WORD_LINK_FAILURE_TITLE[] = "Attenzione!";

// The link to the language services behind the menu item FunWord: opening
// it loads the speller and the thesaurus, closing it releases them. No
// scratch document is needed, so none is written.
class WordLink {
public:
    explicit WordLink(LanguageDataPaths paths = {});

    LinkOutcome apriword();
    LinkOutcome chiudiword();
    // A click on FunWord (the window has already checked busyLevel):
    // opens a closed link, closes an open or failed one.
    LinkOutcome toggle();

    LinkState state() const { return state_; }
    bool checked() const { return state_ != LinkState::Closed; }
    // The services while the link is open, nullptr otherwise.
    LanguageServices* services() const { return services_.get(); }

private:
    LanguageDataPaths paths_;
    LinkState state_ = LinkState::Closed;
    std::unique_ptr<HunspellMythesServices> services_;
};

}  // namespace quirvo
