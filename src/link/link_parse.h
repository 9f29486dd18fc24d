// A game link taken apart once: the value every command line is built from.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "link/game_link.h"

namespace cindermoor {

// The parts of a link that reach the command lines.
struct GameLink {
  // Between "tribes://" and the first "/" after it: "host:port", possibly empty.
  std::string serverAddress;
  // After the first "p=" past that slash (letter case ignored), to the end of the link.
  std::optional<std::string> password;
  // After the first "pr=" past that slash, to the end of the link.
  std::optional<std::string> recordPassword;
};

// A link that may be served, or why not in words for a message box.
struct [[nodiscard]] LinkParse {
  std::optional<GameLink> link;
  std::string refusal;
};

LinkParse ParseGameLink(std::string_view text);

std::string BuildVoiceArgs(VoiceMode mode, std::string_view server, std::string_view channel,
                           std::string_view password, const GameLink& link);
std::string BuildGameArgs(const GameLink& link);

}  // namespace cindermoor
