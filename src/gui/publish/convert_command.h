#pragma once

#include <QStringList>
#include <QTextStream>

namespace quirvo {

// True when the program was started to convert files, not to show a window.
bool isConvertCommand(int argc, char** argv);

// quirvo --convert IN OUT [--title T] [--author A] [--solution]: IN a grid
// file (with its definitions beside it) or an ipuz file, OUT written in the
// format its extension names. Returns the exit status: 0, or 1 with the
// Italian reason on err and no output file.
int runConvertCommand(const QStringList& arguments, QTextStream& err);

}  // namespace quirvo
