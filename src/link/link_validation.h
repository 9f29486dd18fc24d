// Decides whether a game link is safe to turn into command lines.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace cindermoor {

inline constexpr std::size_t kMaxLinkCharacters = 2048;

// nullopt when the link may be served; otherwise a short reason for a message box.
std::optional<std::string> ValidateLink(std::string_view link);

}  // namespace cindermoor
