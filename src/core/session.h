#pragma once

#include <cstdint>
#include <string>

#include "core/dictionary/lexicon_state.h"
#include "core/document/document.h"
#include "core/editing/editor_state.h"
#include "core/view/view_state.h"

namespace quirvo {

// Everything the windows share, made of its parts: the document, the
// lexicon with its switches, the editor state and the view state. Owned by
// the main window; each part can be handed on by itself (a Document& to
// whoever only edits cells). There are no globals.
struct Session : Document, EditorState, LexiconState, ViewState {
    std::string programFolder;
};

}  // namespace quirvo
