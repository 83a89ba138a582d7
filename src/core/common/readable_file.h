#pragma once

#include <fstream>
#include <string>

namespace quirvo {

// True when the file opens and holds at least one byte.
inline bool readableFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return file.is_open() && file.peek() != std::ifstream::traits_type::eof();
}

}  // namespace quirvo
