#include "core/dictionary/diz_codec.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace quirvo {

namespace {

constexpr uint16_t FLAG_TERMINATED = 1;  // the text ends with CR LF
constexpr size_t INFLATE_INPUT_CHUNK = 1 << 20;

struct DizHeader {
    uint16_t version = 0;
    uint16_t flags = 0;
    uint32_t lineCount = 0;
    uint32_t plainSize = 0;
    uint32_t checksum = 0;
    uint32_t codedSize = 0;
    uint32_t bodySize = 0;
};

void putU16(std::string& out, uint16_t v) {
    out += static_cast<char>(v & 0xff);
    out += static_cast<char>(v >> 8);
}

void putU32(std::string& out, uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((v >> shift) & 0xff);
}

uint32_t getU32(std::string_view in, size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(in[at + i]);
    return v;
}

uint16_t getU16(std::string_view in, size_t at) {
    return static_cast<uint16_t>(static_cast<unsigned char>(in[at]) |
                                 (static_cast<unsigned char>(in[at + 1]) << 8));
}

void putVarint(std::string& out, uint32_t v) {
    while (v >= 0x80) {
        out += static_cast<char>((v & 0x7f) | 0x80);
        v >>= 7;
    }
    out += static_cast<char>(v);
}

uint32_t checksumOf(std::string_view text) {
    return static_cast<uint32_t>(
        crc32_z(crc32_z(0, nullptr, 0), reinterpret_cast<const Bytef*>(text.data()), text.size()));
}

// Each line as (length shared with the line above, length of the rest,
// the rest); lines are split at CR LF exactly, so any bytes survive.
std::string frontCode(std::string_view plain, uint32_t& lineCount, bool& terminated) {
    std::string coded;
    coded.reserve(plain.size() / 2 + 16);
    std::string_view previous;
    lineCount = 0;
    terminated = false;
    size_t pos = 0;
    while (pos < plain.size()) {
        size_t end = plain.find("\r\n", pos);
        if (end == std::string_view::npos) end = plain.size();
        const std::string_view line = plain.substr(pos, end - pos);
        const auto mismatch = std::mismatch(line.begin(), line.end(), previous.begin(), previous.end());
        const auto shared = static_cast<size_t>(mismatch.first - line.begin());
        putVarint(coded, static_cast<uint32_t>(shared));
        putVarint(coded, static_cast<uint32_t>(line.size() - shared));
        coded.append(line.substr(shared));
        previous = line;
        ++lineCount;
        terminated = end < plain.size();
        pos = end + 2;
    }
    return coded;
}

std::string deflateAll(const std::string& coded) {
    uLongf bound = compressBound(coded.size());
    std::string body(bound, '\0');
    const int rc = compress2(reinterpret_cast<Bytef*>(body.data()), &bound,
                             reinterpret_cast<const Bytef*>(coded.data()), coded.size(), Z_BEST_COMPRESSION);
    if (rc != Z_OK) throw std::runtime_error("zlib compression failed");
    body.resize(bound);
    return body;
}

DizHeader readHeader(std::string_view file) {
    DizHeader h;
    h.version = getU16(file, 8);
    h.flags = getU16(file, 10);
    h.lineCount = getU32(file, 12);
    h.plainSize = getU32(file, 16);
    h.checksum = getU32(file, 20);
    h.codedSize = getU32(file, 24);
    h.bodySize = getU32(file, 28);
    return h;
}

// Sizes that no encoder writes: checked before anything is allocated.
bool headerConsistent(const DizHeader& h) {
    const bool terminated = h.flags & FLAG_TERMINATED;
    if (h.flags & ~FLAG_TERMINATED) return false;
    if (h.lineCount == 0) return h.plainSize == 0 && !terminated && h.codedSize == 0;
    const uint64_t separators = uint64_t{h.lineCount} - 1 + (terminated ? 1 : 0);
    if (2 * separators > h.plainSize) return false;
    const uint64_t lineBytes = h.plainSize - 2 * separators;
    return h.codedSize >= 2 * uint64_t{h.lineCount} && h.codedSize <= lineBytes + 10 * uint64_t{h.lineCount};
}

enum class VarintRead { Ok, Incomplete, Invalid };

inline VarintRead readVarint(const char* data, size_t end, size_t& at, uint32_t& v) {
    if (at < end && !(data[at] & 0x80)) {
        v = static_cast<unsigned char>(data[at++]);
        return VarintRead::Ok;
    }
    v = 0;
    for (int shift = 0; shift < 35; shift += 7) {
        if (at >= end) return VarintRead::Incomplete;
        const auto byte = static_cast<unsigned char>(data[at++]);
        if (shift == 28 && byte > 0x0f) return VarintRead::Invalid;
        v |= static_cast<uint32_t>(byte & 0x7f) << shift;
        if (!(byte & 0x80)) return VarintRead::Ok;
    }
    return VarintRead::Invalid;
}

// Copies a short run with one 16-byte move; both ends have room for it.
inline void copyRun(char* to, const char* from, size_t n) {
    if (n <= 16) {
        char run[16];
        std::memcpy(run, from, 16);
        std::memcpy(to, run, 16);
    } else {
        std::memcpy(to, from, n);
    }
}

// Rebuilds the plain text of a body: inflates it a window at a time and
// undoes the front coding of every record as soon as it is whole in the
// window, so the coded stream is never held at once. Buffers grow only
// with what the body actually produces, never with what the header says.
class BodyDecoder {
public:
    BodyDecoder(const DizHeader& header, Progress* progress, DizLineSink* sink)
        : h_(header), progress_(progress), sink_(sink) {}

    DizError run(std::string_view body, std::string& plain, uint32_t& checksum) {
        if (inflateInit(&zs_) != Z_OK) return DizError::CorruptBody;
        const DizError error = inflateAll(body, plain);
        inflateEnd(&zs_);
        if (error != DizError::None) return error;
        return finish(plain, checksum);
    }

private:
    static constexpr size_t SLACK = 16;  // readable and writable room past the data, for copyRun
    static constexpr size_t WINDOW = 1 << 18;
    static constexpr size_t CHECKSUM_CHUNK = 1 << 16;
    static constexpr size_t OUTPUT_STEP = 1 << 18;

    DizError inflateAll(std::string_view body, std::string& plain) {
        window_.resize(WINDOW + SLACK);
        plain.reserve(std::min<size_t>(h_.plainSize, body.size() * 128 + 4096) + SLACK);
        size_t consumed = 0;
        int rc = Z_OK;
        while (rc == Z_OK) {
            if (zs_.avail_in == 0 && consumed < body.size()) {
                const size_t take = std::min(INFLATE_INPUT_CHUNK, body.size() - consumed);
                zs_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(body.data() + consumed));
                zs_.avail_in = static_cast<uInt>(take);
                consumed += take;
                if (progress_ && progress_->pollNow()) return DizError::Stopped;
            }
            makeRoom();
            const size_t room = window_.size() - SLACK - end_;
            zs_.next_out = reinterpret_cast<Bytef*>(window_.data() + end_);
            zs_.avail_out = static_cast<uInt>(std::min<size_t>(room, 1u << 30));
            const uInt before = zs_.avail_out;
            rc = inflate(&zs_, Z_NO_FLUSH);
            const size_t produced = before - zs_.avail_out;
            end_ += produced;
            inflated_ += produced;
            if (inflated_ > h_.codedSize) return DizError::SizeMismatch;
            if (rc != Z_OK && rc != Z_STREAM_END) break;
            if (DizError e = takeRecords(plain); e != DizError::None) return e;
        }
        if (rc != Z_STREAM_END || zs_.avail_in != 0 || consumed != body.size() || begin_ != end_)
            return DizError::CorruptBody;
        return inflated_ == h_.codedSize ? DizError::None : DizError::SizeMismatch;
    }

    // Moves the unread part of the window to its front, and doubles the
    // window when one record fills it whole.
    void makeRoom() {
        if (end_ < window_.size() - SLACK) return;
        if (begin_ > 0) {
            std::memmove(window_.data(), window_.data() + begin_, end_ - begin_);
            end_ -= begin_;
            begin_ = 0;
        }
        if (end_ == window_.size() - SLACK) window_.resize((window_.size() - SLACK) * 2 + SLACK);
    }

    DizError takeRecords(std::string& plain) {
        const char* data = window_.data();
        while (begin_ < end_) {
            size_t at = begin_;
            uint32_t shared = 0, rest = 0;
            const VarintRead first = readVarint(data, end_, at, shared);
            const VarintRead second = first == VarintRead::Ok ? readVarint(data, end_, at, rest) : first;
            if (second == VarintRead::Invalid) return DizError::CorruptBody;
            if (second == VarintRead::Incomplete || rest > end_ - at) return DizError::None;
            if (DizError e = putLine(plain, shared, data + at, rest); e != DizError::None) return e;
            begin_ = at + rest;
        }
        return DizError::None;
    }

    DizError putLine(std::string& plain, uint32_t shared, const char* suffix, uint32_t rest) {
        if (shared > previousLength_) return DizError::CorruptBody;
        const size_t separator = lines_ > 0 ? 2 : 0;
        const size_t end = used_ + separator + shared + rest;
        if (++lines_ > h_.lineCount || end > h_.plainSize) return DizError::SizeMismatch;
        if (end + SLACK > plain.size()) growOutput(plain, end + SLACK);
        char* out = plain.data();
        if (separator) {
            out[used_++] = '\r';
            out[used_++] = '\n';
        }
        copyRun(out + used_, out + previousStart_, shared);
        copyRun(out + used_ + shared, suffix, rest);
        previousStart_ = used_;
        previousLength_ = size_t{shared} + rest;
        used_ = end;
        if (sink_) sink_->line(out, previousStart_, previousLength_, shared);
        if (used_ - checked_ >= CHECKSUM_CHUNK) {
            crc_ = crc32_z(crc_, reinterpret_cast<const Bytef*>(out + checked_), used_ - checked_);
            checked_ = used_;
        }
        if (progress_ && progress_->tick()) return DizError::Stopped;
        return DizError::None;
    }

    // Sizes the output a step at a time, so each step is zeroed while the
    // decoder is about to write it, not all at once long before.
    void growOutput(std::string& plain, size_t need) const {
        const size_t ceiling = size_t{h_.plainSize} + SLACK;
        const size_t size = std::min(ceiling, std::max(need, plain.size() + OUTPUT_STEP));
        if (size > plain.capacity()) plain.reserve(std::min(ceiling, std::max(size, 2 * plain.capacity())));
        plain.resize(size);
    }

    DizError finish(std::string& plain, uint32_t& checksum) {
        if ((h_.flags & FLAG_TERMINATED) && lines_ > 0) {
            if (used_ + 2 > h_.plainSize) return DizError::SizeMismatch;
            plain.resize(std::max(plain.size(), used_ + 2));
            plain[used_++] = '\r';
            plain[used_++] = '\n';
        }
        if (lines_ != h_.lineCount || used_ != h_.plainSize) return DizError::SizeMismatch;
        plain.resize(used_);
        checksum = static_cast<uint32_t>(
            crc32_z(crc_, reinterpret_cast<const Bytef*>(plain.data() + checked_), used_ - checked_));
        return DizError::None;
    }

    const DizHeader& h_;
    Progress* progress_;
    DizLineSink* sink_;
    z_stream zs_{};
    std::string window_;
    size_t begin_ = 0, end_ = 0, inflated_ = 0;
    size_t used_ = 0, checked_ = 0, previousStart_ = 0, previousLength_ = 0;
    uint32_t lines_ = 0;
    uLong crc_ = crc32_z(0, nullptr, 0);
};

DizDecodeResult failure(DizError error) { return {error, {}}; }

}  // namespace

std::string encodeDiz(std::string_view plain) {
    if (plain.size() > DizLimits{}.maxPlainSize) throw std::length_error("dictionary text too large for .diz");
    uint32_t lineCount = 0;
    bool terminated = false;
    const std::string coded = frontCode(plain, lineCount, terminated);
    const std::string body = deflateAll(coded);
    std::string file(DIZ_MAGIC, sizeof DIZ_MAGIC);
    putU16(file, DIZ_VERSION);
    putU16(file, terminated ? FLAG_TERMINATED : 0);
    putU32(file, lineCount);
    putU32(file, static_cast<uint32_t>(plain.size()));
    putU32(file, checksumOf(plain));
    putU32(file, static_cast<uint32_t>(coded.size()));
    putU32(file, static_cast<uint32_t>(body.size()));
    return file + body;
}

DizDecodeResult decodeDiz(std::string_view file, const DizLimits& limits, Progress* progress, DizLineSink* sink) {
    if (file.size() < sizeof DIZ_MAGIC || std::memcmp(file.data(), DIZ_MAGIC, sizeof DIZ_MAGIC) != 0)
        return failure(DizError::NotDiz);
    if (file.size() < DIZ_HEADER_SIZE) return failure(DizError::Truncated);
    const DizHeader h = readHeader(file);
    if (h.version != DIZ_VERSION) return failure(DizError::BadVersion);
    if (!headerConsistent(h)) return failure(DizError::BadHeader);
    if (h.plainSize > limits.maxPlainSize) return failure(DizError::TooLarge);
    const std::string_view body = file.substr(DIZ_HEADER_SIZE);
    if (body.size() < h.bodySize) return failure(DizError::Truncated);
    if (body.size() > h.bodySize) return failure(DizError::TrailingData);

    DizDecodeResult result;
    uint32_t checksum = 0;
    BodyDecoder decoder(h, progress, sink);
    if (DizError e = decoder.run(body, result.text, checksum); e != DizError::None) return failure(e);
    if (checksum != h.checksum) return failure(DizError::ChecksumMismatch);
    return result;
}

std::string_view dizErrorText(DizError error) {
    switch (error) {
        case DizError::None: return "no error";
        case DizError::NotDiz: return "not a .diz file (wrong magic)";
        case DizError::BadVersion: return "unsupported .diz version";
        case DizError::Truncated: return "file is truncated";
        case DizError::TrailingData: return "unexpected bytes after the compressed body";
        case DizError::BadHeader: return "header sizes or flags are inconsistent";
        case DizError::TooLarge: return "plain text is larger than allowed";
        case DizError::CorruptBody: return "compressed body is corrupt";
        case DizError::SizeMismatch: return "body does not match the sizes in the header";
        case DizError::ChecksumMismatch: return "checksum of the plain text does not match";
        case DizError::Stopped: return "stopped on request";
    }
    return "unknown error";
}

}  // namespace quirvo
