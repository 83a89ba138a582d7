#include "core/dictionary/facts_file.h"

#include <zlib.h>

#include <filesystem>
#include <fstream>

#include "core/dictionary/word_table.h"

namespace quirvo {

namespace {

constexpr std::string_view MAGIC{"QVFATTI\x01", 8};
constexpr size_t RECORD_BYTES = 8;

void putU8(std::string& out, unsigned v) { out.push_back(char(uint8_t(v))); }
void putU16(std::string& out, unsigned v) {
    putU8(out, v & 0xFF);
    putU8(out, v >> 8);
}
void putU32(std::string& out, uint32_t v) {
    putU16(out, v & 0xFFFF);
    putU16(out, v >> 16);
}
void putShortText(std::string& out, std::string_view text) {
    putU8(out, unsigned(text.size()));
    out.append(text);
}

bool upperLetters(std::string_view s) {
    for (const char c : s)
        if (c < 'A' || c > 'Z') return false;
    return true;
}

uint32_t crcOf(std::string_view bytes) {
    uLong crc = crc32(0L, Z_NULL, 0);
    size_t at = 0;
    while (at < bytes.size()) {
        const size_t n = std::min<size_t>(bytes.size() - at, 1u << 30);
        crc = crc32(crc, reinterpret_cast<const Bytef*>(bytes.data() + at), uInt(n));
        at += n;
    }
    return uint32_t(crc);
}

}  // namespace

void FactsWriter::addDictionary(std::string_view fileName) { dictionaries_.emplace_back(fileName); }

uint32_t FactsWriter::lemmaId(std::string_view lemma) {
    const auto found = lemmaIds_.find(lemma);
    if (found != lemmaIds_.end()) return found->second;
    const uint32_t id = uint32_t(lemmas_.size());
    lemmas_.emplace_back(lemma);
    lemmaIds_.emplace(std::string(lemma), id);
    return id;
}

void FactsWriter::set(std::string_view word, const FactRecord& record) {
    words_.insert_or_assign(std::string(word), record);
}

void FactsWriter::addNote(std::string_view word, NoteGroup group, std::string_view text) {
    notes_.push_back({std::string(word), group, std::string(text)});
}

std::string FactsWriter::encode() const {
    std::string out(MAGIC);
    putU32(out, uint32_t(dictionaries_.size()));
    for (const std::string& name : dictionaries_) putShortText(out, name);
    putU32(out, uint32_t(lemmas_.size()));
    for (const std::string& lemma : lemmas_) putShortText(out, lemma);
    std::map<size_t, std::vector<const std::pair<const std::string, FactRecord>*>> byLength;
    for (const auto& entry : words_) byLength[entry.first.size()].push_back(&entry);
    putU32(out, uint32_t(byLength.size()));
    for (const auto& [length, entries] : byLength) {
        putU8(out, unsigned(length));
        putU32(out, uint32_t(entries.size()));
        for (const auto* entry : entries) out.append(entry->first);
        for (const auto* entry : entries) {
            const FactRecord& r = entry->second;
            putU16(out, r.kinds);
            putU8(out, r.familiarity);
            putU8(out, r.sources);
            putU32(out, r.lemma);
        }
    }
    putU32(out, uint32_t(notes_.size()));
    for (const FactNote& note : notes_) {
        putShortText(out, note.word);
        putU8(out, unsigned(note.group));
        putU16(out, unsigned(note.text.size()));
        out.append(note.text);
    }
    putU32(out, crcOf(out));
    return out;
}

// Reads the parts of a file in order, never past its end.
class FactsFile::Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    size_t at() const { return at_; }
    bool skip(size_t n) {
        if (n > bytes_.size() - at_) return false;
        at_ += n;
        return true;
    }
    bool u8(unsigned& v) {
        if (at_ >= bytes_.size()) return false;
        v = uint8_t(bytes_[at_++]);
        return true;
    }
    bool u16(unsigned& v) {
        unsigned lo = 0, hi = 0;
        if (!u8(lo) || !u8(hi)) return false;
        v = lo | hi << 8;
        return true;
    }
    bool u32(uint32_t& v) {
        unsigned lo = 0, hi = 0;
        if (!u16(lo) || !u16(hi)) return false;
        v = uint32_t(lo) | uint32_t(hi) << 16;
        return true;
    }
    bool text(size_t n, std::string_view& out) {
        const size_t from = at_;
        if (!skip(n)) return false;
        out = bytes_.substr(from, n);
        return true;
    }
    bool shortText(std::string_view& out) {
        unsigned n = 0;
        return u8(n) && text(n, out);
    }
    // A count of items of at least `each` bytes that the rest can hold.
    bool count(uint32_t& n, size_t each) { return u32(n) && size_t(n) * each <= bytes_.size() - at_; }

private:
    std::string_view bytes_;
    size_t at_ = 0;
};

FactRecord FactsFile::record(const Bucket& b, uint32_t i) const {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data() + b.records + size_t(i) * RECORD_BYTES);
    FactRecord r;
    r.kinds = KindSet(p[0] | p[1] << 8);
    r.familiarity = p[2];
    r.sources = p[3];
    r.lemma = uint32_t(p[4]) | uint32_t(p[5]) << 8 | uint32_t(p[6]) << 16 | uint32_t(p[7]) << 24;
    return r;
}

std::shared_ptr<const FactsFile> FactsFile::decode(std::string bytes) {
    auto file = std::make_shared<FactsFile>();
    file->bytes_ = std::move(bytes);
    const std::string_view all = file->bytes_;
    Reader in(all);
    std::string_view magic, text;
    uint32_t n = 0;
    if (!in.text(MAGIC.size(), magic) || magic != MAGIC || !in.count(n, 1)) return nullptr;
    for (uint32_t i = 0; i < n; ++i) {
        if (!in.shortText(text)) return nullptr;
        file->dictionaries_.emplace_back(text);
    }
    if (!in.count(n, 1)) return nullptr;
    file->lemmas_.reserve(n);
    for (uint32_t i = 0; i < n; ++i) {
        if (!in.shortText(text) || !upperLetters(text)) return nullptr;
        file->lemmas_.push_back(text);
    }
    if (!in.count(n, 5)) return nullptr;
    size_t lastLength = 0;
    for (uint32_t i = 0; i < n; ++i) {
        Bucket b;
        unsigned length = 0;
        if (!in.u8(length) || length <= lastLength || length < 2 || length > unsigned(WordTable::MAX_LENGTH) ||
            !in.count(b.count, length + RECORD_BYTES))
            return nullptr;
        b.length = lastLength = length;
        b.letters = in.at();
        if (!in.text(size_t(b.count) * length, text) || !upperLetters(text)) return nullptr;
        b.records = in.at();
        in.skip(size_t(b.count) * RECORD_BYTES);
        file->buckets_.push_back(b);
    }
    for (const Bucket& b : file->buckets_)
        for (uint32_t i = 0; i < b.count; ++i) {
            const FactRecord r = file->record(b, i);
            if ((r.kinds & ~ALL_KINDS) || r.familiarity > 100 || (r.lemma != NO_LEMMA && r.lemma >= file->lemmaCount()))
                return nullptr;
        }
    if (!in.count(n, 4)) return nullptr;
    for (uint32_t i = 0; i < n; ++i) {
        FactNote note;
        unsigned group = 0, length = 0;
        if (!in.shortText(text) || !upperLetters(text) || !in.u8(group) || group >= unsigned(NOTE_GROUPS)) return nullptr;
        note.word = text;
        note.group = NoteGroup(group);
        if (!in.u16(length) || !in.text(length, text)) return nullptr;
        note.text = text;
        file->notes_.push_back(std::move(note));
    }
    const size_t body = in.at();
    uint32_t crc = 0;
    if (!in.u32(crc) || in.at() != all.size() || crc != crcOf(all.substr(0, body))) return nullptr;
    return file;
}

size_t FactsFile::wordCount() const {
    size_t n = 0;
    for (const Bucket& b : buckets_) n += b.count;
    return n;
}

FactsLoad loadFacts(const std::string& programFolder) {
    const std::filesystem::path path = std::filesystem::u8path(programFolder) / FACTS_FILE_NAME;
    std::ifstream in(path, std::ios::binary);
    if (!in) return {nullptr, FACTS_MISSING_MESSAGE};
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    std::string bytes(size > 0 ? size_t(size) : 0, '\0');
    if (size < 0 || !in.read(bytes.data(), size)) return {nullptr, FACTS_DAMAGED_MESSAGE};
    auto file = FactsFile::decode(std::move(bytes));
    if (!file) return {nullptr, FACTS_DAMAGED_MESSAGE};
    return {std::move(file), ""};
}

}  // namespace quirvo
