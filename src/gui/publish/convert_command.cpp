#include "gui/publish/convert_command.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <optional>

#include "core/formats/ipuz.h"
#include "gui/files/grid_file_io.h"
#include "gui/publish/export_writer.h"

namespace quirvo {

namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

struct Request {
    QString in, out;
    PageChoices choices;
};

// The arguments after --convert, or the reason they are not a request.
std::optional<Request> parse(const QStringList& args, QString& error) {
    Request r;
    QStringList files;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == "--convert") continue;
        if (a == "--solution") {
            r.choices.solution = true;
        } else if (a == "--title" || a == "--author") {
            if (++i == args.size()) {
                error = "manca il testo dopo " + a;
                return std::nullopt;
            }
            (a == "--title" ? r.choices.title : r.choices.author) = args[i];
        } else if (a.startsWith("--")) {
            error = "opzione sconosciuta " + a;
            return std::nullopt;
        } else {
            files << a;
        }
    }
    if (files.size() != 2) {
        error = "uso: quirvo --convert INGRESSO USCITA [--title TITOLO] [--author AUTORE] [--solution]";
        return std::nullopt;
    }
    r.in = files[0];
    r.out = files[1];
    return r;
}

std::optional<Puzzle> readGridInput(const QString& path, QString& error, QTextStream& err) {
    GridFileRead read = readGridPath(path);
    if (!read.ok()) {
        error = "il file " + path + " non è uno schema: " + q(read.error);
        return std::nullopt;
    }
    CompanionRead companion = readCompanionPath(path);
    if (!companion.warning.isEmpty()) err << companion.warning << "\n";
    Puzzle p;
    p.grid = std::move(read.grid);
    p.definitions.assign(p.grid, std::move(companion.definitions));
    return p;
}

std::optional<Puzzle> readIpuzInput(const QString& path, QString& error) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        error = "il file " + path + " non si può leggere";
        return std::nullopt;
    }
    const QByteArray bytes = file.read(static_cast<qint64>(MAX_IPUZ_BYTES) + 1);
    IpuzRead read = readIpuz(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    if (!read.ok()) {
        error = "il file " + path + " non è stato importato: " + q(read.error);
        return std::nullopt;
    }
    return std::move(read.puzzle);
}

}  // namespace

bool isConvertCommand(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--convert") == 0) return true;
    return false;
}

bool isHelpRequest(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) return true;
    return false;
}

QString commandLineHelp() {
    return "uso: quirvo\n"
           "       apre la finestra del programma, nella cartella dei dizionari\n"
           "     quirvo --convert INGRESSO USCITA [--title TITOLO] [--author AUTORE] [--solution]\n"
           "       legge INGRESSO, uno schema .qrv (con le sue definizioni accanto) o un file .ipuz,\n"
           "       e scrive USCITA nel formato della sua estensione: .pdf, .svg, .png, .ipuz, .puz o .qrv.\n"
           "       Se USCITA esiste già viene sostituito senza chiedere, come fanno i comandi;\n"
           "       se la conversione non riesce, resta com'era.\n"
           "  --title TITOLO, --author AUTORE  titolo e autore della pagina e dei formati di scambio\n"
           "  --solution                       aggiunge la soluzione alla pagina\n"
           "  --help                           mostra questo aiuto\n";
}

int runConvertCommand(const QStringList& arguments, QTextStream& err) {
    QString error;
    std::optional<Request> r = parse(arguments, error);
    std::optional<Puzzle> puzzle;
    if (r) {
        const QString suffix = QFileInfo(r->in).suffix().toLower();
        if (suffix == "qrv")
            puzzle = readGridInput(r->in, error, err);
        else if (suffix == "ipuz")
            puzzle = readIpuzInput(r->in, error);
        else
            error = "il file di ingresso deve finire in .qrv o .ipuz";
    }
    if (puzzle) {
        if (r->choices.title.isEmpty()) r->choices.title = q(puzzle->title);
        if (r->choices.author.isEmpty()) r->choices.author = q(puzzle->author);
        error = exportPuzzle(r->out, *puzzle, r->choices);
    }
    if (error.isEmpty()) return 0;
    err << "quirvo: " << error << "\n";
    return 1;
}

}  // namespace quirvo
