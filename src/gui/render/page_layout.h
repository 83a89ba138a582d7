#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QTextLayout>
#include <memory>
#include <vector>

#include "core/formats/puzzle.h"
#include "gui/render/grid_renderer.h"

class QPainter;
class QPagedPaintDevice;

namespace quirvo {

// What the printed page holds, as the user chooses it.
struct PageChoices {
    QString title;
    QString author;
    bool emptyGrid = true;    // the numbered grid without letters, for the solver
    bool definitions = true;  // ORIZZONTALI and VERTICALI in two columns
    bool solution = false;    // the grid with its letters, smaller
};

// The puzzle set as an Italian magazine page: title and author, the empty
// numbered grid, the definitions as "1. Definizione" runs in two columns
// and the solution, flowed onto as many pages as they need. Laid out in the
// units of a device of the given page size and resolution, so the same
// layout paints a printer, a PDF, an SVG or an image.
class PageLayout {
public:
    PageLayout(const Puzzle& puzzle, const PageChoices& choices, QSizeF page, double dpi);
    ~PageLayout();

    int pageCount() const { return pages_; }
    void paintPage(QPainter& p, int page) const;
    // Every page on a printer or a PDF writer, a new sheet for each.
    void paintAll(QPagedPaintDevice& device) const;

private:
    struct PlacedLine {
        int page;
        QPointF at;  // top-left corner of the line
        const QTextLayout* layout;
        int line;
    };
    struct PlacedGrid {
        int page;
        QRectF rect;
        GridPaintOptions::Page kind;
    };
    double mm(double millimetres) const { return millimetres * dpi_ / 25.4; }
    QTextLayout* newLayout(const QString& text, const QFont& font, double width, Qt::Alignment align,
                           const QList<QTextLayout::FormatRange>& formats = {});
    void placeLines(const QTextLayout& layout, double x, int& page, double& y);
    void placeTitle();
    void placeGrid(GridPaintOptions::Page kind, double maxCellMm, const QString& heading);
    void placeDefinitions();
    void newPageIfBelow(double height);

    Puzzle puzzle_;
    PageChoices choices_;
    QSizeF page_;
    double dpi_;
    QRectF content_;
    std::unique_ptr<QImage> metrics_;  // a device of the resolution, for font metrics
    std::vector<std::unique_ptr<QTextLayout>> layouts_;
    std::vector<PlacedLine> lines_;
    std::vector<PlacedGrid> grids_;
    int cursorPage_ = 0;
    double cursorY_ = 0;
    int pages_ = 1;
};

}  // namespace quirvo
