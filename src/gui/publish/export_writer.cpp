#include "gui/publish/export_writer.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <utility>
#include <vector>

#include "core/formats/definitions_file.h"
#include "core/formats/ipuz.h"
#include "core/formats/puz.h"
#include "gui/files/grid_file_io.h"

namespace quirvo {

namespace {

using Files = std::vector<std::pair<QString, QByteArray>>;

constexpr double PDF_DPI = 1200;
constexpr double SVG_DPI = 96;

QByteArray bytesOf(const std::string& s) { return QByteArray(s.data(), static_cast<qsizetype>(s.size())); }

QSizeF a4In(double dpi) {
    const QSizeF mm = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    return mm * dpi / 25.4;
}

// name.svg, name-2.svg, name-3.svg ...
QString pagePath(const QString& path, int page) {
    if (page == 0) return path;
    const QFileInfo info(path);
    return info.path() + "/" + info.completeBaseName() + "-" + QString::number(page + 1) + "." + info.suffix();
}

QByteArray pdfBytes(const Puzzle& puzzle, const PageChoices& choices) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(static_cast<int>(PDF_DPI));
        pdf.setTitle(choices.title);
        pdf.setCreator("QUIRVO");
        const PageLayout layout(puzzle, choices, QSizeF(pdf.width(), pdf.height()), PDF_DPI);
        layout.paintAll(pdf);
    }
    return bytes;
}

Files svgFiles(const QString& path, const Puzzle& puzzle, const PageChoices& choices) {
    const QSizeF size = a4In(SVG_DPI);
    const PageLayout layout(puzzle, choices, size, SVG_DPI);
    Files files;
    for (int page = 0; page < layout.pageCount(); ++page) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setResolution(static_cast<int>(SVG_DPI));
        svg.setSize(size.toSize());
        svg.setViewBox(QRectF(QPointF(0, 0), size));
        svg.setTitle(choices.title);
        {
            QPainter p(&svg);
            p.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
            layout.paintPage(p, page);
        }
        files.emplace_back(pagePath(path, page), bytes);
    }
    return files;
}

Files pngFiles(const QString& path, const Puzzle& puzzle, const PageChoices& choices) {
    const QSize size = a4In(PNG_DPI).toSize();
    const PageLayout layout(puzzle, choices, size, PNG_DPI);
    Files files;
    for (int page = 0; page < layout.pageCount(); ++page) {
        QImage image(size, QImage::Format_RGB32);
        const int dotsPerMetre = static_cast<int>(PNG_DPI / 0.0254 + 0.5);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            layout.paintPage(p, page);
        }
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        files.emplace_back(pagePath(path, page), bytes);
    }
    return files;
}

// Writes every file or none: those already renamed into place by this call
// are removed again when a later one fails.
QString writeFiles(const Files& files) {
    std::vector<QString> written;
    for (const auto& [path, bytes] : files) {
        QSaveFile file(path);
        const bool ok = !QFileInfo(path).isDir() && file.open(QIODevice::WriteOnly) &&
                        file.write(bytes) == bytes.size() && file.commit();
        if (!ok) {
            file.cancelWriting();
            for (const QString& done : written) QFile::remove(done);
            return "non si può scrivere il file " + path;
        }
        written.push_back(path);
    }
    return {};
}

}  // namespace

std::optional<ExportFormat> exportFormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "pdf") return ExportFormat::Pdf;
    if (suffix == "svg") return ExportFormat::Svg;
    if (suffix == "png") return ExportFormat::Png;
    if (suffix == "ipuz") return ExportFormat::Ipuz;
    if (suffix == "puz") return ExportFormat::Puz;
    if (suffix == "qrv") return ExportFormat::Qrv;
    return std::nullopt;
}

QString exportPuzzle(const QString& path, const Puzzle& puzzle, const PageChoices& choices) {
    const std::optional<ExportFormat> format = exportFormatOf(path);
    if (!format) return "il nome del file deve finire in .pdf, .svg, .png, .ipuz, .puz o .qrv";
    if (!puzzle.grid.exists()) return "non c'è uno schema da scrivere";
    Puzzle titled = puzzle;
    titled.title = choices.title.toStdString();
    titled.author = choices.author.toStdString();
    switch (*format) {
        case ExportFormat::Pdf: return writeFiles({{path, pdfBytes(puzzle, choices)}});
        case ExportFormat::Svg: return writeFiles(svgFiles(path, puzzle, choices));
        case ExportFormat::Png: return writeFiles(pngFiles(path, puzzle, choices));
        case ExportFormat::Ipuz: return writeFiles({{path, bytesOf(writeIpuz(titled))}});
        case ExportFormat::Puz: {
            const PuzWrite puz = writePuz(titled);
            if (!puz.ok()) return QString::fromStdString(puz.error);
            return writeFiles({{path, bytesOf(puz.bytes)}});
        }
        case ExportFormat::Qrv: return saveGridPath(path, puzzle.grid, puzzle.definitions);
    }
    return {};
}

QStringList exportTargets(const QString& path, const Puzzle& puzzle, const PageChoices& choices) {
    const std::optional<ExportFormat> format = exportFormatOf(path);
    if (format == ExportFormat::Qrv) return {path, QString::fromStdString(definitionsPathFor(path.toStdString()))};
    if (format != ExportFormat::Svg && format != ExportFormat::Png) return {path};
    const bool svg = format == ExportFormat::Svg;
    const QSizeF size = svg ? a4In(SVG_DPI) : QSizeF(a4In(PNG_DPI).toSize());  // as the pages are made
    QStringList paths;
    for (int page = 0; page < PageLayout(puzzle, choices, size, svg ? SVG_DPI : PNG_DPI).pageCount(); ++page)
        paths << pagePath(path, page);
    return paths;
}

}  // namespace quirvo
