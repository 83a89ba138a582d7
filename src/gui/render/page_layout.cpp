#include "gui/render/page_layout.h"

#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "core/document/clue_list.h"

namespace quirvo {

namespace {

constexpr double MARGIN_MM = 15;
constexpr double GAP_MM = 6;
constexpr double COLUMN_GAP_MM = 8;
// The largest cell, for the solver's grid and the solution alike: the
// solution's numbers need it as much as the solver's.
constexpr double CELL_MM = 9;

QFont pageFont(const char* family, double points, bool bold, bool italic = false) {
    QFont font;
    font.setFamilies({family, "Liberation Serif", "DejaVu Serif", "serif"});
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// One direction's definitions as a run: "1. Text 5. Text ...", the numbers
// bold and held to their text by a no-break space.
QString clueRun(const std::vector<Clue>& clues, QList<QTextLayout::FormatRange>& bold) {
    QString run;
    QTextCharFormat strong;
    strong.setFontWeight(QFont::Bold);
    for (const Clue& c : clues) {
        if (!run.isEmpty()) run += "  ";
        const QString number = QString::number(c.number) + ".";
        bold.push_back({static_cast<int>(run.size()), static_cast<int>(number.size()), strong});
        const QString text = QString::fromStdString(c.text).simplified();
        run += number + QChar(0x00A0) + (text.isEmpty() ? QString(QChar(0x2014)) : text);
    }
    return run;
}

}  // namespace

PageLayout::PageLayout(const Puzzle& puzzle, const PageChoices& choices, QSizeF page, double dpi)
    : puzzle_{withStandardBlocks(puzzle.grid), puzzle.definitions, puzzle.title, puzzle.author},
      choices_(choices),
      page_(page),
      dpi_(dpi),
      metrics_(std::make_unique<QImage>(1, 1, QImage::Format_RGB32)) {
    const int dotsPerMetre = static_cast<int>(dpi / 0.0254 + 0.5);
    metrics_->setDotsPerMeterX(dotsPerMetre);
    metrics_->setDotsPerMeterY(dotsPerMetre);
    content_ = QRectF(QPointF(0, 0), page).adjusted(mm(MARGIN_MM), mm(MARGIN_MM), -mm(MARGIN_MM), -mm(MARGIN_MM));
    cursorY_ = content_.top();
    placeTitle();
    if (choices_.emptyGrid) placeGrid(GridPaintOptions::Page::EmptyNumbered, CELL_MM, {});
    if (choices_.definitions) placeDefinitions();
    if (choices_.solution) placeGrid(GridPaintOptions::Page::Solution, CELL_MM, "SOLUZIONE");
    pages_ = cursorPage_ + 1;
}

PageLayout::~PageLayout() = default;

// Text broken into lines of the given width, one under the other.
QTextLayout* PageLayout::newLayout(const QString& text, const QFont& font, double width, Qt::Alignment align,
                                   const QList<QTextLayout::FormatRange>& formats) {
    layouts_.push_back(std::make_unique<QTextLayout>(text, font, metrics_.get()));
    QTextLayout* l = layouts_.back().get();
    QTextOption option(align);
    option.setWrapMode(QTextOption::WordWrap);
    l->setTextOption(option);
    l->setFormats(formats);
    double top = 0;
    l->beginLayout();
    for (QTextLine line = l->createLine(); line.isValid(); line = l->createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, top));
        top += line.height();
    }
    l->endLayout();
    return l;
}

// Breaks the laid-out text into lines down the page from (x, y), going on
// at the top of the next page when one is full.
void PageLayout::placeLines(const QTextLayout& layout, double x, int& page, double& y) {
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        if (y + line.height() > content_.bottom() && y > content_.top()) {
            ++page;
            y = content_.top();
        }
        lines_.push_back({page, QPointF(x, y), &layout, i});
        y += line.height();
    }
}

void PageLayout::newPageIfBelow(double height) {
    if (cursorY_ + height <= content_.bottom() || cursorY_ <= content_.top()) return;
    ++cursorPage_;
    cursorY_ = content_.top();
}

void PageLayout::placeTitle() {
    const QString title = choices_.title.trimmed(), author = choices_.author.trimmed();
    if (title.isEmpty() && author.isEmpty()) return;
    for (const auto& [text, font] : {std::pair{title, pageFont("Liberation Sans", 18, true)},
                                     std::pair{author, pageFont("Liberation Sans", 12, false, true)}}) {
        if (text.isEmpty()) continue;
        placeLines(*newLayout(text, font, content_.width(), Qt::AlignHCenter), content_.left(), cursorPage_, cursorY_);
    }
    cursorY_ += mm(GAP_MM);
}

void PageLayout::placeGrid(GridPaintOptions::Page kind, double maxCellMm, const QString& heading) {
    const Grid& g = puzzle_.grid;
    if (!g.exists()) return;
    double headingHeight = 0;
    QTextLayout* head = nullptr;
    if (!heading.isEmpty()) {
        head = newLayout(heading, pageFont("Liberation Sans", 10, true), content_.width(), Qt::AlignLeft);
        headingHeight = head->lineAt(0).height() + mm(1);
    }
    const double cell = std::min({mm(maxCellMm), content_.width() / g.colCount,
                                  (content_.height() - headingHeight) / g.rowCount});
    const QSizeF size(cell * g.colCount, cell * g.rowCount);
    newPageIfBelow(headingHeight + size.height());
    const double left = content_.left() + (content_.width() - size.width()) / 2;
    if (head) {
        lines_.push_back({cursorPage_, QPointF(left, cursorY_), head, 0});
        cursorY_ += headingHeight;
    }
    grids_.push_back({cursorPage_, QRectF(QPointF(left, cursorY_), size), kind});
    cursorY_ += size.height() + mm(GAP_MM);
}

// ORIZZONTALI on the left, VERTICALI on the right, each flowing down its
// own column and on to the next page; what follows starts below the longer.
void PageLayout::placeDefinitions() {
    const double width = (content_.width() - mm(COLUMN_GAP_MM)) / 2;
    const QFont headingFont = pageFont("Liberation Sans", 11, true), bodyFont = pageFont("Liberation Serif", 10, false);
    QTextLayout* heads[2];
    QTextLayout* bodies[2];
    const char* names[2] = {"ORIZZONTALI", "VERTICALI"};
    for (int d = 0; d < 2; ++d) {
        heads[d] = newLayout(names[d], headingFont, width, Qt::AlignLeft);
        QList<QTextLayout::FormatRange> bold;
        const Direction direction = d ? Direction::Down : Direction::Across;
        const QString run = clueRun(cluesOf(puzzle_.grid, puzzle_.definitions, direction), bold);
        bodies[d] = newLayout(run, bodyFont, width, Qt::AlignJustify, bold);
    }
    const double firstLines = heads[0]->lineAt(0).height() * 2.5;
    newPageIfBelow(firstLines);
    int endPage = cursorPage_;
    double endY = cursorY_;
    for (int d = 0; d < 2; ++d) {
        int page = cursorPage_;
        double y = cursorY_;
        const double x = content_.left() + d * (width + mm(COLUMN_GAP_MM));
        placeLines(*heads[d], x, page, y);
        y += mm(1);
        placeLines(*bodies[d], x, page, y);
        if (page > endPage || (page == endPage && y > endY)) {
            endPage = page;
            endY = y;
        }
    }
    cursorPage_ = endPage;
    cursorY_ = endY + mm(GAP_MM);
}

void PageLayout::paintPage(QPainter& p, int page) const {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (const PlacedGrid& g : grids_) {
        if (g.page != page) continue;
        const double cell = g.rect.width() / puzzle_.grid.colCount;
        const GridPaintOptions options = GridPaintOptions::forPage(g.kind, cell, *metrics_);
        GridRenderer(puzzle_.grid, options).paint(p, {g.rect.topLeft(), QSizeF(cell, cell)});
    }
    p.setPen(Qt::black);
    for (const PlacedLine& l : lines_) {
        if (l.page != page) continue;
        const QTextLine line = l.layout->lineAt(l.line);
        line.draw(&p, l.at - line.position());
    }
    p.restore();
}

void PageLayout::paintAll(QPagedPaintDevice& device) const {
    QPainter p(&device);
    for (int i = 0; i < pages_; ++i) {
        if (i > 0) device.newPage();
        paintPage(p, i);
    }
}

}  // namespace quirvo
