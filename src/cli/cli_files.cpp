#include "cli_files.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

namespace quirvo::cli {

namespace {

void complain(const std::string& path, const char* what) {
    std::cerr << "quirvo-diz: " << path << ": " << what << ": " << std::strerror(errno) << "\n";
}

}  // namespace

bool readFile(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        complain(path, "cannot open");
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        complain(path, "cannot read");
        return false;
    }
    return true;
}

bool writeFile(const std::string& path, std::string_view bytes) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out || !out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !out.flush()) {
            complain(temporary, "cannot write");
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::cerr << "quirvo-diz: " << path << ": " << ec.message() << "\n";
        std::filesystem::remove(temporary, ec);
        return false;
    }
    return true;
}

bool readLines(const std::string& path, const std::function<void(std::string_view)>& chunk) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(nullptr, std::fclose);
    std::FILE* in = stdin;
    if (path != "-") {
        file.reset(std::fopen(path.c_str(), "rb"));
        if (!file) {
            complain(path, "cannot open");
            return false;
        }
        in = file.get();
    }
    std::string buffer;
    std::string block(1 << 20, '\0');
    while (const size_t got = std::fread(block.data(), 1, block.size(), in)) {
        buffer.append(block, 0, got);
        const size_t lastEnd = buffer.find_last_of("\r\n");
        if (lastEnd == std::string::npos) continue;
        chunk(std::string_view(buffer).substr(0, lastEnd + 1));
        buffer.erase(0, lastEnd + 1);
    }
    if (std::ferror(in)) {
        complain(path, "cannot read");
        return false;
    }
    chunk(buffer);
    return true;
}

bool hasExtension(std::string_view path, std::string_view extension) {
    return path.size() >= extension.size() && path.substr(path.size() - extension.size()) == extension;
}

}  // namespace quirvo::cli
