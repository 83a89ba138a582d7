#pragma once

#include <string>
#include <string_view>

namespace quirvo {

// Text meets three encodings here: the dictionaries are single-byte text in
// the Windows code page 1252, the window and the shell speak UTF-8, and the
// language data declares its own. These helpers convert between the first
// two and change letter case in either; they never fail: a byte sequence
// that is not UTF-8 is read as code page 1252, a character that code page
// lacks becomes the replacement byte.

std::string cp1252ToUtf8(std::string_view bytes);
std::string utf8ToCp1252(std::string_view text, char replacement = '?');

// The same text as valid UTF-8 (stray bytes read as code page 1252).
std::string validUtf8(std::string_view text);

std::u32string decodeUtf8(std::string_view text);
std::string encodeUtf8(std::u32string_view text);

// Case mapping of every letter, accented ones included (à -> À).
std::string upperUtf8(std::string_view text);
std::string lowerUtf8(std::string_view text);
std::string upperCp1252(std::string_view bytes);

}  // namespace quirvo
