#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/dictionary/word_kind.h"

namespace quirvo {

// The data file beside the dictionaries that tells what every word is.
// Its extension keeps the dictionary loading from taking it for a list.
inline constexpr char FACTS_FILE_NAME[] = "parole.fatti";

inline constexpr uint32_t NO_LEMMA = UINT32_MAX;

// One word's facts as the file holds them.
struct FactRecord {
    KindSet kinds = 0;          // none: no source knows the word
    uint8_t familiarity = 0;    // 0..100, from frequency ranks
    uint8_t sources = 0;        // FactSource bits
    uint32_t lemma = NO_LEMMA;  // the file's lemma it is a form of
};

// What a name or a sigla stands for.
struct FactNote {
    std::string word;
    NoteGroup group = NoteGroup::Town;
    std::string text;  // UTF-8, as Italian writes it ("Reggio Emilia")
};

// Gathers the facts made at set-up and turns them into the file's bytes.
class FactsWriter {
public:
    // The dictionary files the facts were made for; words of any other
    // file are the setter's own.
    void addDictionary(std::string_view fileName);
    // The id of a lemma, added on first use; upper-case letters only.
    uint32_t lemmaId(std::string_view lemma);
    // A word of 2..35 letters A-Z; a word set twice keeps the last record.
    void set(std::string_view word, const FactRecord& record);
    void addNote(std::string_view word, NoteGroup group, std::string_view text);
    std::string encode() const;

private:
    std::vector<std::string> dictionaries_;
    std::vector<std::string> lemmas_;
    std::map<std::string, uint32_t, std::less<>> lemmaIds_;
    std::map<std::string, FactRecord, std::less<>> words_;
    std::vector<FactNote> notes_;
};

// A facts file as read: checked whole, then read in place.
class FactsFile {
public:
    // Null when the bytes are not a whole, undamaged facts file.
    static std::shared_ptr<const FactsFile> decode(std::string bytes);

    const std::vector<std::string>& dictionaries() const { return dictionaries_; }
    uint32_t lemmaCount() const { return uint32_t(lemmas_.size()); }
    std::string_view lemma(uint32_t id) const { return lemmas_[id]; }
    const std::vector<FactNote>& notes() const { return notes_; }
    size_t wordCount() const;

    // Every word with its record, by length, then in the file's order.
    template <typename F>
    void forEachWord(F&& f) const {
        for (const Bucket& b : buckets_)
            for (uint32_t i = 0; i < b.count; ++i)
                f(std::string_view(bytes_.data() + b.letters + size_t(i) * b.length, b.length), record(b, i));
    }

private:
    struct Bucket {
        size_t length = 0;
        uint32_t count = 0;
        size_t letters = 0;  // offsets into bytes_
        size_t records = 0;
    };
    class Reader;
    FactRecord record(const Bucket& b, uint32_t i) const;

    std::string bytes_;
    std::vector<std::string> dictionaries_;
    std::vector<std::string_view> lemmas_;  // into bytes_
    std::vector<Bucket> buckets_;
    std::vector<FactNote> notes_;
};

// The facts file of a program folder, or why there is none: a missing or
// damaged file leaves the program as it is without facts, with a warning.
struct FactsLoad {
    std::shared_ptr<const FactsFile> file;
    std::string warning;  // "" when the file was read
};
FactsLoad loadFacts(const std::string& programFolder);

inline constexpr char FACTS_MISSING_MESSAGE[] =
    "... manca il file parole.fatti: le Regole della Rivista non sono disponibili !";
inline constexpr char FACTS_DAMAGED_MESSAGE[] =
    "... il file parole.fatti è danneggiato: le Regole della Rivista non sono disponibili !";

}  // namespace quirvo
