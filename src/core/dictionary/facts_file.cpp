#include "core/dictionary/facts_file.h"

#include <zlib.h>

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "core/dictionary/word_table.h"

namespace quirvo {

namespace {

constexpr std::string_view MAGIC{"QVFATTI\x02", 8};
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

void putU64(std::string& out, uint64_t v) {
    putU32(out, uint32_t(v));
    putU32(out, uint32_t(v >> 32));
}

// The head begins with the magic and the head's own size.
constexpr size_t HEAD_START = 16;

}  // namespace

uint64_t lettersFingerprint(std::string_view letters) {
    // Four lanes, so the multiplications do not wait on each other.
    constexpr uint64_t K = 0x9E3779B97F4A7C15ull;
    uint64_t lanes[4] = {1, 2, 3, 4};
    size_t at = 0;
    for (; at + 32 <= letters.size(); at += 32)
        for (int l = 0; l < 4; ++l) {
            uint64_t v;
            std::memcpy(&v, letters.data() + at + 8 * l, 8);
            lanes[l] = (lanes[l] ^ v) * K;
            lanes[l] ^= lanes[l] >> 29;
        }
    uint64_t h = letters.size();
    for (const uint64_t lane : lanes) h = (h ^ lane) * K;
    for (; at < letters.size(); ++at) h = (h ^ uint8_t(letters[at])) * K;
    return h ^ (h >> 32);
}

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
    auto& words = byLength_[word.size()];
    const auto [found, fresh] = at_.try_emplace(std::string(word), words.size());
    if (fresh) words.emplace_back(word, record);
    else words[found->second].second = record;
}

void FactsWriter::addNote(std::string_view word, NoteGroup group, std::string_view text) {
    notes_.push_back({std::string(word), group, std::string(text)});
}

std::string FactsWriter::encode() const {
    std::string head(MAGIC), letters;
    putU64(head, 0);  // the head's size, known at its end
    putU32(head, uint32_t(dictionaries_.size()));
    for (const std::string& name : dictionaries_) putShortText(head, name);
    putU32(head, uint32_t(lemmas_.size()));
    for (const std::string& lemma : lemmas_) putShortText(head, lemma);
    putU32(head, uint32_t(notes_.size()));
    for (const FactNote& note : notes_) {
        putShortText(head, note.word);
        putU8(head, unsigned(note.group));
        putU16(head, unsigned(note.text.size()));
        head.append(note.text);
    }
    putU32(head, uint32_t(byLength_.size()));
    for (const auto& [length, words] : byLength_) {
        const size_t from = letters.size();
        for (const auto& entry : words) letters.append(entry.first);
        putU8(head, unsigned(length));
        putU32(head, uint32_t(words.size()));
        putU64(head, lettersFingerprint(std::string_view(letters).substr(from)));
    }
    for (const auto& [length, words] : byLength_)
        for (const auto& [word, r] : words) {
            putU16(head, r.kinds);
            putU8(head, r.familiarity);
            putU8(head, r.sources);
            putU32(head, r.lemma);
        }
    std::string size;
    putU64(size, head.size() + 4);
    std::copy(size.begin(), size.end(), head.begin() + std::ptrdiff_t(MAGIC.size()));
    putU32(head, crcOf(head));
    putU32(letters, crcOf(letters));
    return head + letters;
}
namespace {

// Reads the parts of a file in order, never past its end.
class Reader {
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
    bool u64(uint64_t& v) {
        uint32_t lo = 0, hi = 0;
        if (!u32(lo) || !u32(hi)) return false;
        v = uint64_t(lo) | uint64_t(hi) << 32;
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

// Whether the last four bytes are the CRC of the others.
bool crcHolds(std::string_view bytes) {
    if (bytes.size() < 4) return false;
    Reader in(bytes.substr(bytes.size() - 4));
    uint32_t crc = 0;
    return in.u32(crc) && crc == crcOf(bytes.substr(0, bytes.size() - 4));
}

bool readNames(Reader& in, std::vector<std::string>& dictionaries, std::vector<std::string_view>& lemmas) {
    std::string_view text;
    uint32_t n = 0;
    if (!in.count(n, 1)) return false;
    for (uint32_t i = 0; i < n; ++i) {
        if (!in.shortText(text)) return false;
        dictionaries.emplace_back(text);
    }
    if (!in.count(n, 1)) return false;
    lemmas.reserve(n);
    for (uint32_t i = 0; i < n; ++i) {
        if (!in.shortText(text) || !upperLetters(text)) return false;
        lemmas.push_back(text);
    }
    return true;
}

bool readNotes(Reader& in, std::vector<FactNote>& notes) {
    std::string_view text;
    uint32_t n = 0;
    if (!in.count(n, 4)) return false;
    for (uint32_t i = 0; i < n; ++i) {
        FactNote note;
        unsigned group = 0, length = 0;
        if (!in.shortText(text) || !upperLetters(text) || !in.u8(group) || group >= unsigned(NOTE_GROUPS)) return false;
        note.word = text;
        note.group = NoteGroup(group);
        if (!in.u16(length) || !in.text(length, text)) return false;
        note.text = text;
        notes.push_back(std::move(note));
    }
    return true;
}

// The buckets, then their records, each within its bounds.
bool readBuckets(Reader& in, uint32_t lemmaCount, std::vector<FactsFile::Bucket>& buckets) {
    uint32_t n = 0;
    if (!in.count(n, 13)) return false;
    size_t lastLength = 0, letters = 0;
    for (uint32_t i = 0; i < n; ++i) {
        FactsFile::Bucket b;
        unsigned length = 0;
        if (!in.u8(length) || length <= lastLength || length < 2 || length > unsigned(WordTable::MAX_LENGTH) ||
            !in.count(b.count, 0) || !in.u64(b.fingerprint))
            return false;
        b.length = lastLength = length;
        b.letters = letters;
        letters += size_t(b.count) * length;
        buckets.push_back(b);
    }
    for (FactsFile::Bucket& b : buckets) {
        b.records = in.at();
        std::string_view records;
        if (!in.text(size_t(b.count) * RECORD_BYTES, records)) return false;
        for (size_t at = 0; at < records.size(); at += RECORD_BYTES) {
            const auto* p = reinterpret_cast<const unsigned char*>(records.data() + at);
            const uint32_t lemma = uint32_t(p[4]) | uint32_t(p[5]) << 8 | uint32_t(p[6]) << 16 | uint32_t(p[7]) << 24;
            if ((KindSet(p[0] | p[1] << 8) & ~ALL_KINDS) || p[2] > 100 || (lemma != NO_LEMMA && lemma >= lemmaCount))
                return false;
        }
    }
    return true;
}

size_t lettersSize(const std::vector<FactsFile::Bucket>& buckets) {
    return buckets.empty() ? 0 : buckets.back().letters + size_t(buckets.back().count) * buckets.back().length;
}

}  // namespace

FactRecord FactsFile::record(const Bucket& b, uint32_t i) const {
    const auto* p = reinterpret_cast<const unsigned char*>(head_.data() + b.records + size_t(i) * RECORD_BYTES);
    FactRecord r;
    r.kinds = KindSet(p[0] | p[1] << 8);
    r.familiarity = p[2];
    r.sources = p[3];
    r.lemma = uint32_t(p[4]) | uint32_t(p[5]) << 8 | uint32_t(p[6]) << 16 | uint32_t(p[7]) << 24;
    return r;
}

void FactsFile::copyRecords(const Bucket& b, FactRecord* into) const {
    // The file's record is the little-endian image of FactRecord: where the
    // machine agrees, the records copy as one block.
    if constexpr (std::endian::native == std::endian::little && sizeof(FactRecord) == RECORD_BYTES &&
                  offsetof(FactRecord, familiarity) == 2 && offsetof(FactRecord, sources) == 3 &&
                  offsetof(FactRecord, lemma) == 4) {
        std::memcpy(static_cast<void*>(into), head_.data() + b.records, size_t(b.count) * RECORD_BYTES);
    } else {
        for (uint32_t i = 0; i < b.count; ++i) into[i] = record(b, i);
    }
}

std::shared_ptr<FactsFile> FactsFile::decodeHead(std::string head) {
    auto file = std::make_shared<FactsFile>();
    file->head_ = std::move(head);
    const std::string_view all = file->head_;
    Reader in(all);
    std::string_view magic;
    uint64_t size = 0;
    if (!in.text(MAGIC.size(), magic) || magic != MAGIC || !in.u64(size) || size != all.size() || !crcHolds(all) ||
        !readNames(in, file->dictionaries_, file->lemmas_) || !readNotes(in, file->notes_) ||
        !readBuckets(in, file->lemmaCount(), file->buckets_) || in.at() + 4 != all.size())
        return nullptr;
    return file;
}

bool FactsFile::takeLetters(std::string letters) const {
    if (letters.size() != lettersSize(buckets_) + 4 || !crcHolds(letters) ||
        !upperLetters(std::string_view(letters).substr(0, letters.size() - 4)))
        return false;
    letters_ = std::move(letters);
    return true;
}

std::shared_ptr<const FactsFile> FactsFile::decode(std::string bytes) {
    Reader in(bytes);
    std::string_view magic;
    uint64_t size = 0;
    if (!in.text(MAGIC.size(), magic) || magic != MAGIC || !in.u64(size) || size > bytes.size()) return nullptr;
    auto file = decodeHead(bytes.substr(0, size));
    bool taken = false;
    if (file) std::call_once(file->lettersOnce_, [&] { taken = file->takeLetters(bytes.substr(size)); });
    return taken ? file : nullptr;
}

std::string_view FactsFile::letters(const Bucket& b) const {
    std::call_once(lettersOnce_, [this] {
        std::ifstream in(std::filesystem::u8path(path_), std::ios::binary);
        std::string bytes(lettersSize(buckets_) + 4, '\0');
        if (in.seekg(std::streamoff(lettersAt_)) && in.read(bytes.data(), std::streamsize(bytes.size())) &&
            in.peek() == std::char_traits<char>::eof())
            takeLetters(std::move(bytes));
    });
    if (letters_.empty()) return {};
    return std::string_view(letters_).substr(b.letters, size_t(b.count) * b.length);
}

size_t FactsFile::wordCount() const {
    size_t n = 0;
    for (const Bucket& b : buckets_) n += b.count;
    return n;
}

std::shared_ptr<const FactsFile> FactsFile::read(const std::string& path) {
    std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
    std::string start(HEAD_START, '\0');
    if (!in.read(start.data(), std::streamsize(start.size()))) return nullptr;
    Reader reader(start);
    std::string_view magic;
    uint64_t size = 0;
    if (!reader.text(MAGIC.size(), magic) || magic != MAGIC || !reader.u64(size)) return nullptr;
    in.seekg(0, std::ios::end);
    const std::streamoff fileSize = in.tellg();
    if (fileSize < 0 || size > uint64_t(fileSize)) return nullptr;
    std::string head(size_t(size), '\0');
    if (!in.seekg(0) || !in.read(head.data(), std::streamsize(head.size()))) return nullptr;
    auto file = decodeHead(std::move(head));
    if (!file || uint64_t(fileSize) != size + lettersSize(file->buckets_) + 4) return nullptr;
    file->path_ = path;
    file->lettersAt_ = size_t(size);
    return file;
}

FactsLoad loadFacts(const std::string& programFolder) {
    const std::filesystem::path path = std::filesystem::u8path(programFolder) / FACTS_FILE_NAME;
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return {nullptr, FACTS_MISSING_MESSAGE};
    auto file = FactsFile::read(path.string());
    if (!file) return {nullptr, FACTS_DAMAGED_MESSAGE};
    return {std::move(file), ""};
}

}  // namespace quirvo
