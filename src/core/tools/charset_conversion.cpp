#include "core/tools/charset_conversion.h"

#include <iconv.h>

#include <algorithm>
#include <cctype>

#include "core/common/text_encoding.h"

namespace quirvo {

namespace {

bool namesUtf8(std::string name) {
    name.erase(std::remove_if(name.begin(), name.end(), [](char c) { return c == '-' || c == '_'; }), name.end());
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::toupper(c); });
    return name == "UTF8";
}

std::optional<std::string> convert(std::string_view text, const std::string& from, const std::string& to) {
    const iconv_t cd = iconv_open(to.c_str(), from.c_str());
    if (cd == iconv_t(-1)) return std::nullopt;
    std::string out(text.size() * 4 + 8, '\0');
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    char* dst = out.data();
    size_t outLeft = out.size();
    const size_t done = iconv(cd, &in, &inLeft, &dst, &outLeft);
    const bool ok = done != size_t(-1) && iconv(cd, nullptr, nullptr, &dst, &outLeft) != size_t(-1);
    iconv_close(cd);
    if (!ok) return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace

CharsetConversion::CharsetConversion(std::string dataEncoding)
    : encoding_(std::move(dataEncoding)), identity_(namesUtf8(encoding_)) {}

bool CharsetConversion::supported() const {
    if (identity_) return true;
    const iconv_t cd = iconv_open("UTF-8", encoding_.c_str());
    if (cd == iconv_t(-1)) return false;
    iconv_close(cd);
    return true;
}

std::optional<std::string> CharsetConversion::toData(std::string_view utf8) const {
    if (identity_) return std::string(utf8);
    return convert(utf8, "UTF-8", encoding_);
}

std::optional<std::string> CharsetConversion::fromData(std::string_view bytes) const {
    if (identity_) return validUtf8(bytes);
    return convert(bytes, encoding_, "UTF-8");
}

}  // namespace quirvo
