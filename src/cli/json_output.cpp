#include "json_output.h"

namespace quirvo::cli {

std::string jsonString(std::string_view utf8) {
    std::string out = "\"";
    for (const char ch : utf8) {
        const auto b = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (b < 0x20) {
            static constexpr char HEX[] = "0123456789abcdef";
            out += "\\u00";
            out += HEX[b >> 4];
            out += HEX[b & 15];
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

}  // namespace quirvo::cli
