#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
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

// A fingerprint of a run of letters: the file keeps one of each length's
// words, so a word table that starts with the same words takes the records
// as they lie, without looking a single word up.
uint64_t lettersFingerprint(std::string_view letters);

// Gathers the facts made at set-up and turns them into the file's bytes.
// Within a length the words keep the order they were first set in: set in
// the word table's order, they lie as the table's words do.
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
    std::map<size_t, std::vector<std::pair<std::string, FactRecord>>> byLength_;
    std::map<std::string, size_t, std::less<>> at_;  // a word's place in its length
    std::vector<FactNote> notes_;
};

// A facts file as read: its head (records, lemmas, notes) checked whole at
// once; its words' letters, which only a word table of other words needs,
// checked and kept when first asked for.
class FactsFile {
public:
    struct Bucket {
        size_t length = 0;
        uint32_t count = 0;
        uint64_t fingerprint = 0;  // of the bucket's letters
        size_t records = 0;        // offset into the head
        size_t letters = 0;        // offset into the letters
    };

    // Null when the bytes are not a whole, undamaged facts file.
    static std::shared_ptr<const FactsFile> decode(std::string bytes);
    // Reads the head of the file at the path; null when it is damaged. The
    // letters are read from the path when first needed.
    static std::shared_ptr<const FactsFile> read(const std::string& path);

    const std::vector<std::string>& dictionaries() const { return dictionaries_; }
    uint32_t lemmaCount() const { return uint32_t(lemmas_.size()); }
    std::string_view lemma(uint32_t id) const { return lemmas_[id]; }
    const std::vector<FactNote>& notes() const { return notes_; }
    const std::vector<Bucket>& buckets() const { return buckets_; }
    size_t wordCount() const;
    FactRecord record(const Bucket& b, uint32_t i) const;
    // The bucket's records, in order, into room for b.count of them.
    void copyRecords(const Bucket& b, FactRecord* into) const;
    // The bucket's words, one after the other; empty when the letters are
    // damaged or gone.
    std::string_view letters(const Bucket& b) const;

    // Every word with its record, by length, then in the file's order.
    template <typename F>
    void forEachWord(F&& f) const {
        for (const Bucket& b : buckets_) {
            const std::string_view letters = this->letters(b);
            for (uint32_t i = 0; i < b.count && !letters.empty(); ++i)
                f(letters.substr(size_t(i) * b.length, b.length), record(b, i));
        }
    }

private:
    static std::shared_ptr<FactsFile> decodeHead(std::string head);
    bool takeLetters(std::string letters) const;

    std::string head_;
    std::vector<std::string> dictionaries_;
    std::vector<std::string_view> lemmas_;  // into head_
    std::vector<Bucket> buckets_;
    std::vector<FactNote> notes_;
    std::string path_;  // where the letters are, when not read yet
    size_t lettersAt_ = 0;
    mutable std::once_flag lettersOnce_;
    mutable std::string letters_;  // "" until read, or when damaged
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
