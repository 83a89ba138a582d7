#pragma once

#include <span>
#include <string_view>

namespace quirvo {

// People every reader of an Italian puzzle knows by their full name, the
// best known first: the sources of "Le iniziali di ..." besides the place
// names of the word facts.
std::span<const std::string_view> famousNames();

}  // namespace quirvo
