#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quirvo {

// The bytes a gzip file holds (dictzip files too: their index is an extra
// field gzip readers skip); nothing when they are damaged, cut short or
// would inflate beyond `limit` bytes.
std::optional<std::string> gunzip(std::string_view gzip, size_t limit);

}  // namespace quirvo
