#include "core/common/gzip_text.h"

#include <zlib.h>

#include <climits>

namespace quirvo {

std::optional<std::string> gunzip(std::string_view gzip, size_t limit) {
    if (gzip.size() > UINT_MAX) return std::nullopt;
    z_stream zs{};
    if (inflateInit2(&zs, 16 + MAX_WBITS) != Z_OK) return std::nullopt;
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(gzip.data()));
    zs.avail_in = uInt(gzip.size());
    std::string out;
    char window[1 << 15];
    int rc = Z_OK;
    while (rc == Z_OK) {
        zs.next_out = reinterpret_cast<Bytef*>(window);
        zs.avail_out = sizeof window;
        rc = inflate(&zs, Z_NO_FLUSH);
        out.append(window, sizeof window - zs.avail_out);
        if (out.size() > limit || (rc == Z_BUF_ERROR && zs.avail_in == 0)) break;
    }
    inflateEnd(&zs);
    if (rc != Z_STREAM_END || out.size() > limit) return std::nullopt;
    return out;
}

}  // namespace quirvo
