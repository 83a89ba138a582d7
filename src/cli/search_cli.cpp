#include "search_cli.h"

#include <algorithm>
#include <charconv>
#include <iostream>
#include <sstream>

#include "core/dictionary/dictionary_loader.h"

namespace quirvo::cli {

bool parseSlots(const std::string& verb, const std::string& list, std::vector<int>& slots) {
    std::stringstream items(list);
    std::string item;
    while (std::getline(items, item, ',')) {
        int slot = 0;
        const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), slot);
        if (error != std::errc() || end != item.data() + item.size() || slot < 1 || slot > SEARCHABLE_SLOTS) {
            std::cerr << "quirvo-diz " << verb << ": --off takes dictionary numbers 2 to 6, not '" << item << "'\n";
            return false;
        }
        slots.push_back(slot);
    }
    return true;
}

bool parseSearchOptions(const std::string& verb, const std::vector<std::string>& args,
                        const std::vector<std::string>& ownFlags, SearchCliOptions& options) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool takesValue = arg == "--dir" || arg == "--off";
        if (takesValue && i + 1 >= args.size()) {
            std::cerr << "quirvo-diz " << verb << ": " << arg << " needs a value\n";
            return false;
        }
        if (arg == "--dir") options.dir = args[++i];
        else if (arg == "--off") {
            if (!parseSlots(verb, args[++i], options.off)) return false;
        } else if (arg == "--estesa") options.estesa = true;
        else if (arg == "--no-libera") options.libera = false;
        else if (std::find(ownFlags.begin(), ownFlags.end(), arg) != ownFlags.end()) options.flags.push_back(arg);
        else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
            std::cerr << "quirvo-diz " << verb << ": unknown option '" << arg << "'\n";
            return false;
        } else options.positional.push_back(arg);
    }
    return true;
}

bool hasFlag(const SearchCliOptions& options, const std::string& flag) {
    return std::find(options.flags.begin(), options.flags.end(), flag) != options.flags.end();
}

int loadFolder(const std::string& verb, const std::string& dir, const std::vector<int>& off, LexiconState& into,
               FactsLoad* facts) {
    DictionarySet dicts;
    Progress progress;
    const LoadReport report = loadDictionaries(dir, dicts, progress);
    for (const std::string& warning : report.warnings) std::cerr << "quirvo-diz " << verb << ": " << warning << "\n";
    if (report.fatal) {
        std::cerr << "quirvo-diz " << verb << ": " << report.fatalMessage;
        if (!report.fatalFile.empty()) std::cerr << " (" << report.fatalFile << ")";
        std::cerr << "\n";
        return 1;
    }
    for (const int slot : off) {
        if (slot == 1) {
            std::cerr << "quirvo-diz " << verb << ": ... il dizionario base.diz non \u00e8 disattivabile!\n";
            return 2;
        }
        if (!dicts[slot].present()) {
            std::cerr << "quirvo-diz " << verb << ": there is no dictionary " << slot << " to switch off\n";
            return 2;
        }
    }
    if (facts) *facts = loadFacts(dir);
    into.installLexicon(std::move(dicts), facts ? facts->file : nullptr);
    for (const int slot : off) into.setDictionaryActive(slot, false);
    return 0;
}

int prepareLexicon(const std::string& verb, const SearchCliOptions& options, LexiconState& lexicon) {
    if (const int failed = loadFolder(verb, options.dir, options.off, lexicon)) return failed;
    lexicon.estesa = options.estesa;
    lexicon.accorcia = options.libera;
    return 0;
}

bool readCells(const std::string& verb, const std::string& arg, std::string_view extra, std::string& cells) {
    cells.clear();
    for (const char ch : arg) {
        const char up = ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
        if ((up < 'A' || up > 'Z') && extra.find(up) == std::string_view::npos) {
            std::cerr << "quirvo-diz " << verb << ": '" << arg << "' may hold only letters and " << extra << "\n";
            return false;
        }
        cells += up;
    }
    if (cells.empty()) std::cerr << "quirvo-diz " << verb << ": empty cells\n";
    return !cells.empty();
}

}  // namespace quirvo::cli
