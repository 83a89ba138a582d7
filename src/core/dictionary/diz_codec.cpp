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

bool getVarint(std::string_view in, size_t& at, uint32_t& v) {
    v = 0;
    for (int shift = 0; shift < 35; shift += 7) {
        if (at >= in.size()) return false;
        const auto byte = static_cast<unsigned char>(in[at++]);
        if (shift == 28 && byte > 0x0f) return false;
        v |= static_cast<uint32_t>(byte & 0x7f) << shift;
        if (!(byte & 0x80)) return true;
    }
    return false;
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

// Inflates the body; the output grows with what zlib actually produces,
// up to one byte past the declared size to detect an overlong stream.
DizError inflateBody(std::string_view body, uint32_t codedSize, Progress* progress, std::string& coded) {
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK) return DizError::CorruptBody;
    const size_t limit = size_t{codedSize} + 1;
    coded.resize(std::min(limit, std::max<size_t>(body.size() * 4, 1 << 16)));
    size_t consumed = 0, produced = 0;
    int rc = Z_OK;
    while (rc == Z_OK) {
        if (zs.avail_in == 0) {
            if (consumed == body.size()) break;
            const size_t take = std::min(INFLATE_INPUT_CHUNK, body.size() - consumed);
            zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(body.data() + consumed));
            zs.avail_in = static_cast<uInt>(take);
            consumed += take;
            if (progress && progress->pollNow()) {
                inflateEnd(&zs);
                return DizError::Stopped;
            }
        }
        if (produced == coded.size()) {
            if (coded.size() == limit) break;
            coded.resize(std::min(limit, coded.size() * 2));
        }
        zs.next_out = reinterpret_cast<Bytef*>(coded.data() + produced);
        zs.avail_out = static_cast<uInt>(std::min<size_t>(coded.size() - produced, 1u << 30));
        const uInt before = zs.avail_out;
        rc = inflate(&zs, Z_NO_FLUSH);
        produced += before - zs.avail_out;
    }
    const bool whole = rc == Z_STREAM_END && zs.avail_in == 0 && consumed == body.size();
    inflateEnd(&zs);
    if (produced > codedSize) return DizError::SizeMismatch;
    if (!whole) return DizError::CorruptBody;
    if (produced != codedSize) return DizError::SizeMismatch;
    coded.resize(produced);
    return DizError::None;
}

DizError undoFrontCoding(std::string_view coded, const DizHeader& h, Progress* progress, std::string& plain) {
    plain.reserve(std::min<size_t>(h.plainSize, coded.size() * 8 + 4096));
    size_t at = 0, previousStart = 0, previousLength = 0;
    uint32_t lines = 0;
    while (at < coded.size()) {
        uint32_t shared = 0, rest = 0;
        if (!getVarint(coded, at, shared) || !getVarint(coded, at, rest)) return DizError::CorruptBody;
        if (shared > previousLength || rest > coded.size() - at) return DizError::CorruptBody;
        const size_t separator = lines > 0 ? 2 : 0;
        if (++lines > h.lineCount || plain.size() + separator + shared + rest > h.plainSize)
            return DizError::SizeMismatch;
        if (separator) plain.append("\r\n");
        const size_t start = plain.size();
        plain.append(plain, previousStart, shared);
        plain.append(coded.substr(at, rest));
        at += rest;
        previousStart = start;
        previousLength = size_t{shared} + rest;
        if (progress && progress->tick()) return DizError::Stopped;
    }
    if ((h.flags & FLAG_TERMINATED) && lines > 0) plain.append("\r\n");
    if (lines != h.lineCount || plain.size() != h.plainSize) return DizError::SizeMismatch;
    return DizError::None;
}

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

DizDecodeResult decodeDiz(std::string_view file, const DizLimits& limits, Progress* progress) {
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

    std::string coded;
    if (DizError e = inflateBody(body, h.codedSize, progress, coded); e != DizError::None) return failure(e);
    DizDecodeResult result;
    if (DizError e = undoFrontCoding(coded, h, progress, result.text); e != DizError::None) return failure(e);
    if (checksumOf(result.text) != h.checksum) return failure(DizError::ChecksumMismatch);
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
