#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quirvo {

enum class LineProblemKind {
    OutOfOrder,    // sorts before the entry above it (compared as the loader mends them)
    Empty,         // an empty or blank line
    Blanks,        // leading or trailing spaces or tabs
    LowerCase,     // lower-case letters (the loader folds them)
    BadInitial,    // first character outside "@".."Z": the letter index has no place for it
    BadCharacter,  // a character that is neither a letter A..Z nor a vowel-set symbol
    LineEnd,       // ended by a lone CR or LF instead of CR LF (the loader mends it);
                   // listed for the first such line only
};

struct LineProblem {
    int lineNumber = 0;  // 1-based, counting lone CR and LF as line ends too
    LineProblemKind kind = LineProblemKind::OutOfOrder;
    std::string line;
};

// Everything in a plain list that breaks its format, in line order. A line
// gets at most one problem of each kind; remark lines are checked only
// for blanks and line ends.
std::vector<LineProblem> checkPlainList(std::string_view text);

// One English line for the command line, without the line number.
std::string describeProblem(const LineProblem& problem);

}  // namespace quirvo
