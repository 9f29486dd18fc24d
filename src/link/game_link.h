// A game link taken apart once: the value every command line is built from. Validation is
// part of taking it apart, so a value exists only for a link that may be served.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cindermoor {

// What stands for a password wherever one is masked: in messages and in the log.
inline constexpr std::string_view kMasked = "****";

// The parts of a link that reach the command lines.
struct GameLink {
  // Between "tribes://" and the first "/" after it: "host:port", possibly empty.
  std::string serverAddress;
  // After the first "p=" past that slash (letter case ignored), to the end of the link.
  std::optional<std::string> password;
  // After the first "pr=" past that slash, to the end of the link.
  std::optional<std::string> recordPassword;

  bool operator==(const GameLink&) const = default;
};

// A link that may be served, or why not in words for a message box.
struct [[nodiscard]] LinkParse {
  std::optional<GameLink> link;
  std::string refusal;
};

// `text` is the link as the program was given it, without enclosing quotes.
LinkParse ParseGameLink(std::string_view text);

// The link as a message may show it: whatever follows a password option, served or refused,
// is "****".
std::string LinkForMessages(std::string_view text);

}  // namespace cindermoor
