#include "core/facts/data_lists.h"

#include <nlohmann/json.hpp>

#include "core/facts/text_lines.h"

namespace quirvo {

namespace {

std::string_view trimmed(std::string_view s) {
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

bool remark(std::string_view line) { return !line.empty() && line[0] == '#'; }

}  // namespace

std::vector<std::string> readWordList(std::string_view text) {
    std::vector<std::string> words;
    forEachLine(text, [&](std::string_view line) {
        if (!remark(line)) forEachField(line, [&](std::string_view word) { words.emplace_back(word); });
    });
    return words;
}

std::vector<std::pair<std::string, std::string>> readKeyedList(std::string_view text) {
    std::vector<std::pair<std::string, std::string>> entries;
    forEachLine(text, [&](std::string_view line) {
        const size_t equals = line.find('=');
        if (remark(line) || equals == std::string_view::npos) return;
        const std::string_view key = trimmed(line.substr(0, equals)), value = trimmed(line.substr(equals + 1));
        if (!key.empty() && !value.empty()) entries.emplace_back(key, value);
    });
    return entries;
}

std::optional<std::vector<std::string>> readStringArray(std::string_view json) {
    const nlohmann::json array = nlohmann::json::parse(json.begin(), json.end(), nullptr, false);
    if (array.is_discarded() || !array.is_array()) return std::nullopt;
    std::vector<std::string> strings;
    for (const auto& value : array)
        if (value.is_string()) strings.push_back(value.get<std::string>());
    return strings;
}

}  // namespace quirvo
