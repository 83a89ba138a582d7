#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

namespace quirvo::cli {

// Whole-file reading and writing for the verbs; errors go to stderr with
// the file name, and the verbs answer with exit code 2.
bool readFile(const std::string& path, std::string& bytes);

// Writes through a temporary file beside the target and renames it, so a
// failed write never leaves a half dictionary behind.
bool writeFile(const std::string& path, std::string_view bytes);

// Feeds a file ("-" for standard input) in chunks of whole lines.
bool readLines(const std::string& path, const std::function<void(std::string_view)>& chunk);

bool hasExtension(std::string_view path, std::string_view extension);

}  // namespace quirvo::cli
