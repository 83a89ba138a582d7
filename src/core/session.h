#pragma once

#include <cstdint>
#include <string>

#include "core/dictionary/dictionary.h"
#include "core/dictionary/search_index.h"
#include "core/document/document.h"
#include "core/editing/editor_state.h"
#include "core/view/view_state.h"

namespace quirvo {

// The dictionaries as loaded, their indexes and the search options.
struct LexiconState {
    DictionarySet dictionaries;
    SearchIndexes searchIndexes;  // built after loading; the searches refresh stale ones
    bool accorcia = true;  // "Lunghezza Libera"
    bool estesa = true;    // "Ricerca Estesa"; start-up toggles it off once
};

// Everything the windows share, made of its parts: the document, the
// dictionaries, the editor state and the view state. Owned by the main
// window; each part can be handed on by itself (a Document& to whoever
// only edits cells). There are no globals.
struct Session : Document, EditorState, LexiconState, ViewState {
    std::string programFolder;
};

}  // namespace quirvo
