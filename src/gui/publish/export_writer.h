#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "core/formats/puzzle.h"
#include "gui/render/page_layout.h"

namespace quirvo {

// The formats a puzzle can be written to, named by the file's extension.
enum class ExportFormat { Pdf, Svg, Png, Ipuz, Puz, Qrv };

std::optional<ExportFormat> exportFormatOf(const QString& path);

// The pages as printed are A4; PNG pages are images of this resolution.
inline constexpr double PNG_DPI = 300;

// Writes the puzzle to path in the format its extension names: pages for
// PDF (one file), SVG and PNG (one file a page: name.svg, name-2.svg, ...),
// the exchange formats with the choices' title and author, or a grid file
// with its definitions beside it. Everything is made in memory first and
// written through QSaveFile, so a failure leaves no file half written nor
// an old one destroyed. Returns an empty string, or the Italian reason
// nothing was written.
QString exportPuzzle(const QString& path, const Puzzle& puzzle, const PageChoices& choices);

// The files exportPuzzle would write or replace for these choices: the
// path, the further pages of SVG and PNG, the definitions beside a grid.
QStringList exportTargets(const QString& path, const Puzzle& puzzle, const PageChoices& choices);

}  // namespace quirvo
