#include "core/dictionary/dictionary_loader.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>

#include "core/dictionary/dictionary_scan.h"
#include "core/dictionary/plain_list.h"

namespace quirvo {

namespace {

namespace fs = std::filesystem;

bool endsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

std::string lowered(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::string joined(const std::vector<std::string>& names, std::string_view separator) {
    std::string out;
    for (const auto& name : names) {
        if (!out.empty()) out += separator;
        out += name;
    }
    return out;
}

// "Il dizionario x.dic non è stato caricato" or its plural for several names.
std::string notLoadedText(const std::vector<std::string>& names, std::string_view noun, std::string_view nounPlural) {
    if (names.size() == 1) return "Il " + std::string(noun) + " " + names[0] + " non è stato caricato";
    return "I " + std::string(nounPlural) + " " + joined(names, ", ") + " non sono stati caricati";
}

struct FolderListing {
    std::vector<std::string> diz, dic;
    std::vector<std::string> wrongCase;  // BASE.DIZ, mio.Dic: not dictionaries here
};

FolderListing listFolder(const std::string& folder) {
    FolderListing listing;
    std::error_code ec;
    for (fs::directory_iterator it(fs::u8path(folder), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code statusError;
        if (!it->is_regular_file(statusError)) continue;
        const std::string name = it->path().filename().string();
        if (endsWith(name, ".diz")) listing.diz.push_back(name);
        else if (endsWith(name, ".dic")) listing.dic.push_back(name);
        else if (endsWith(lowered(name), ".diz") || endsWith(lowered(name), ".dic")) listing.wrongCase.push_back(name);
    }
    for (auto* names : {&listing.diz, &listing.dic, &listing.wrongCase}) std::sort(names->begin(), names->end());
    return listing;
}

std::optional<std::string> readWholeFile(const fs::path& path, uint64_t maxSize) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0 || static_cast<uint64_t>(size) > maxSize) return std::nullopt;
    in.seekg(0, std::ios::beg);
    std::string bytes(static_cast<size_t>(size), '\0');
    if (!in.read(bytes.data(), size)) return std::nullopt;
    return bytes;
}

// Shows the first out-of-order entries one by one and counts the rest.
class OrderWarnings {
public:
    void add(const std::string& fileName, const std::vector<OrderWarning>& found, std::vector<std::string>& warnings) {
        for (const auto& w : found) {
            if (shown_ < MAX_ORDER_WARNING_BOXES) {
                warnings.push_back(orderWarningText(w.entry));
                ++shown_;
                continue;
            }
            ++more_;
            if (filesWithMore_.empty() || filesWithMore_.back() != fileName) filesWithMore_.push_back(fileName);
        }
    }
    void finish(std::vector<std::string>& warnings) const {
        if (more_ > 0) warnings.push_back(orderSummaryText(more_, filesWithMore_));
    }

private:
    int shown_ = 0;
    int more_ = 0;
    std::vector<std::string> filesWithMore_;
};

// Indexes the lines of a .diz while the decoder writes them, and notes
// whether the text is a prepared plain list already, as the ones quirvo-diz
// builds are; saves a second pass over a large text.
class IndexingSink : public DizLineSink {
public:
    explicit IndexingSink(std::array<int32_t, 27>& letterStart) : indexer(letterStart) {}
    void line(const char* text, size_t start, size_t length, size_t shared) override {
        indexer.line(text, start, length, shared);
        prepared = prepared && linePrepared(std::string_view(text + start, length), shared);
    }
    LetterIndexer indexer;
    bool prepared = true;
};

// Reads one dictionary into dict (name already set) and returns its order
// warnings; the same text as plainListFromFile, indexed.
DizError loadOne(std::string bytes, Dictionary& dict, Progress& progress, std::vector<OrderWarning>& warnings) {
    if (endsWith(dict.dictFileName, ".diz")) {
        IndexingSink sink(dict.dictLetterStart);
        DizDecodeResult decoded = decodeDiz(bytes, {}, &progress, &sink);
        if (!decoded.ok()) return decoded.error;
        dict.dictText = std::move(decoded.text);
        if (sink.prepared) {
            warnings = sink.indexer.takeWarnings();
            return DizError::None;
        }
    } else {
        dict.dictText = std::move(bytes);
    }
    dict.dictText = preparePlainList(std::move(dict.dictText));
    warnings = indexDictionary(dict);
    return DizError::None;
}

LoadReport fatalReport(DictionarySet& out, const char* message, std::string fileName) {
    out = DictionarySet{};
    LoadReport report;
    report.fatal = true;
    report.fatalMessage = message;
    report.fatalFile = std::move(fileName);
    return report;
}

LoadReport stoppedReport(DictionarySet& out) {
    out = DictionarySet{};
    LoadReport report;
    report.stopped = true;
    return report;
}

}  // namespace

PlainListResult plainListFromFile(std::string_view fileName, std::string bytes, Progress* progress) {
    PlainListResult result;
    if (endsWith(fileName, ".diz")) {
        DizDecodeResult decoded = decodeDiz(bytes, {}, progress);
        if (!decoded.ok()) {
            result.error = decoded.error;
            return result;
        }
        bytes = std::move(decoded.text);
    }
    result.text = preparePlainList(std::move(bytes));
    return result;
}

std::string orderWarningText(std::string_view entry) {
    return "Questa parola " + std::string(entry) + " è fuori sequenza" + LINE_SEP +
           "può compromettere la ricerca nel suo dizionario.";
}

std::string orderSummaryText(int more, const std::vector<std::string>& fileNames) {
    const std::string where = fileNames.size() == 1 ? " nel dizionario " + fileNames[0] + "."
                                                    : " nei dizionari " + joined(fileNames, ", ") + ".";
    const std::string count = more == 1 ? "C'è un'altra parola fuori sequenza"
                                        : "Ci sono altre " + std::to_string(more) + " parole fuori sequenza";
    return count + where + LINE_SEP + "Per l'elenco completo usare il comando: quirvo-diz check " +
           joined(fileNames, " ");
}

LoadReport loadDictionaries(const std::string& programFolder, DictionarySet& out, Progress& progress) {
    out = DictionarySet{};
    const FolderListing listing = listFolder(programFolder);
    const auto base = std::find(listing.diz.begin(), listing.diz.end(), BASE_DICTIONARY);
    if (base == listing.diz.end()) return fatalReport(out, MISSING_BASE_MESSAGE, BASE_DICTIONARY);

    std::vector<std::string> order{BASE_DICTIONARY};
    for (const auto& name : listing.diz)
        if (name != BASE_DICTIONARY) order.push_back(name);
    order.insert(order.end(), listing.dic.begin(), listing.dic.end());

    LoadReport report;
    if (!listing.wrongCase.empty())
        report.warnings.push_back(notLoadedText(listing.wrongCase, "file", "file") +
                                  ": l'estensione dei dizionari va scritta in minuscolo (.diz o .dic).");
    OrderWarnings orderWarnings;
    std::vector<std::string> unreadable, tooMany;
    int slot = 0;
    for (const auto& name : order) {
        if (slot == DICT_SLOTS) {
            tooMany.push_back(name);
            continue;
        }
        if (progress.pollNow()) return stoppedReport(out);
        std::optional<std::string> bytes = readWholeFile(fs::u8path(programFolder) / name, DizLimits{}.maxPlainSize);
        const bool diz = endsWith(name, ".diz");
        if (!bytes && diz) return fatalReport(out, DIZ_FAILURE_MESSAGE, name);
        if (!bytes) {
            unreadable.push_back(name);
            continue;
        }
        Dictionary& dict = out[++slot];
        dict.dictFileName = name;
        dict.active = slot <= SEARCHABLE_SLOTS;
        std::vector<OrderWarning> found;
        const DizError error = loadOne(std::move(*bytes), dict, progress, found);
        if (error == DizError::Stopped) return stoppedReport(out);
        if (error != DizError::None) return fatalReport(out, DIZ_FAILURE_MESSAGE, name);
        orderWarnings.add(name, found, report.warnings);
    }
    orderWarnings.finish(report.warnings);
    if (!unreadable.empty())
        report.warnings.push_back(notLoadedText(unreadable, "dizionario", "dizionari") +
                                  ": non si può leggere o è troppo grande.");
    if (!tooMany.empty())
        report.warnings.push_back(notLoadedText(tooMany, "dizionario", "dizionari") +
                                  ": si possono caricare al massimo sette dizionari.");
    return report;
}

}  // namespace quirvo
