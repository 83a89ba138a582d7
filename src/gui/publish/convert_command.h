#pragma once

#include <QStringList>
#include <QTextStream>

namespace quirvo {

// True when the program was started to convert files, not to show a window.
bool isConvertCommand(int argc, char** argv);
// True when the program was asked for its command-line help.
bool isHelpRequest(int argc, char** argv);
// The Italian command-line help.
QString commandLineHelp();

// quirvo --convert IN OUT [--title T] [--author A] [--solution]: IN a grid
// file (with its definitions beside it) or an ipuz file, OUT written in the
// format its extension names, replacing a file already there, as
// command-line tools do. Returns the exit status: 0, or 1 with the Italian
// reason on err and the output file as it was.
int runConvertCommand(const QStringList& arguments, QTextStream& err);

}  // namespace quirvo
