#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quirvo {

// Converts text between the program's UTF-8 and the encoding a language
// data file declares (Hunspell's SET line, the thesaurus's first line),
// through the C library's iconv.
class CharsetConversion {
public:
    // dataEncoding as the file names it: "UTF-8", "ISO8859-1", ...
    explicit CharsetConversion(std::string dataEncoding);

    // False when the C library knows no such encoding.
    bool supported() const;

    // nullopt when a character has no place in the target encoding.
    std::optional<std::string> toData(std::string_view utf8) const;
    std::optional<std::string> fromData(std::string_view bytes) const;

private:
    std::string encoding_;
    bool identity_;
};

}  // namespace quirvo
