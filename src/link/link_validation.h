// Decides whether a game link is safe to turn into command lines.
#pragma once

#include <cstddef>
#include <string_view>

#include "common/outcome.h"

namespace cindermoor {

inline constexpr std::size_t kMaxLinkCharacters = 2048;

// Success when the link may be served; otherwise a short reason for a message box.
Outcome ValidateLink(std::string_view link);

}  // namespace cindermoor
