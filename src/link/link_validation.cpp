// The command lines are built by plain concatenation and split by the programs that
// receive them, so a link is served only when the parts copied from it cannot add
// arguments of their own: no blanks, quotes or control characters, nothing that starts
// like a switch. Beyond that, a link must be a tribes:// link with no quote left in it: a
// quote means the shell or Wine re-escaped it on the way, and its parts are not where they
// seem. The rest of the link is never copied anywhere and passes as it is.
#include "link/link_validation.h"

#include <algorithm>

#include "link/game_link.h"

namespace cindermoor {
namespace {

constexpr std::string_view kScheme = "tribes://";

bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::size_t CharacterCount(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return !IsUtf8Continuation(c); }));
}

bool IsAddressCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
         c == '-' || c == ':';
}

// Printable ASCII without the blank; the quote would regroup arguments and "+" starts
// a game command.
bool IsOptionCharacter(char c) { return c >= 33 && c <= 126 && c != '"' && c != '+'; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [&](char x, char y) { return lower(x) == lower(y); });
}

Outcome CheckAddress(std::string_view address) {
  if (!std::all_of(address.begin(), address.end(), IsAddressCharacter)) {
    return Outcome::Failure(
        "The server address may hold only letters, digits, \".\", \"-\" and \":\".");
  }
  if (!address.empty() && address.front() == '-') {
    return Outcome::Failure("The server address must not start with \"-\".");
  }
  return Outcome::Success();
}

Outcome CheckOption(std::string_view link, std::string_view tag, std::size_t slash) {
  const auto value = OptionValue(link, tag, slash);
  if (!value) return Outcome::Success();
  const std::string name = "The password after \"" + std::string(tag) + "\"";
  if (!std::all_of(value->begin(), value->end(), IsOptionCharacter)) {
    return Outcome::Failure(name +
                            " may hold only visible characters other than quotes and \"+\".");
  }
  if (!value->empty() && (value->front() == '-' || value->front() == '/')) {
    return Outcome::Failure(name + " must not start with \"-\" or \"/\".");
  }
  return Outcome::Success();
}

}  // namespace

Outcome ValidateLink(std::string_view link) {
  if (CharacterCount(link) > kMaxLinkCharacters) {
    return Outcome::Failure("The link is longer than " + std::to_string(kMaxLinkCharacters) +
                            " characters.");
  }
  if (!SameIgnoringCase(link.substr(0, kScheme.size()), kScheme)) {
    return Outcome::Failure("The link does not begin with \"tribes://\".");
  }
  if (link.find('"') != std::string_view::npos) {
    return Outcome::Failure("The link holds a quote (\"), which no game link has.");
  }
  const std::size_t slash = SlashPositionOf(link);
  if (slash == 0) return Outcome::Failure("The link has no \"/\" after the server address.");
  for (Outcome check : {CheckAddress(ServerAddressOf(link)), CheckOption(link, "p=", slash),
                        CheckOption(link, "pr=", slash)}) {
    if (!check.Succeeded()) return check;
  }
  return Outcome::Success();
}

}  // namespace cindermoor
