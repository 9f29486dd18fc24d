// The command lines are built by plain concatenation and split by the programs that
// receive them, so a link is served only when the parts copied from it cannot add
// arguments of their own: no blanks, quotes or control characters, nothing that starts
// like a switch. Beyond that, a link must be a tribes:// link with no quote left in it: a
// quote means the shell or Wine re-escaped it on the way, and its parts are not where they
// seem. The rest of the link is never copied anywhere and passes as it is.
// web/join.html checks the addresses it turns into links by these same rules: the two must
// agree, so change both together.
#include "link/game_link.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "common/ascii_text.h"
#include "text/text.h"

namespace cindermoor {
namespace {

constexpr std::string_view kScheme = "tribes://";
constexpr std::string_view kPasswordTag = "p=";
constexpr std::string_view kRecordTag = "pr=";
constexpr std::size_t kMaxCharacters = 2048;

std::size_t FindIgnoringCase(std::string_view text, std::string_view needle) {
  const auto found =
      std::search(text.begin(), text.end(), needle.begin(), needle.end(), SameLettersIgnoringCase);
  return found == text.end() ? std::string_view::npos
                             : static_cast<std::size_t>(found - text.begin());
}

bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::size_t CharacterCount(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return !IsUtf8Continuation(c); }));
}

bool IsAddressCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
         c == '-' || c == ':';
}

// Printable ASCII without the blank; "+" starts a game command, and the game's console ends
// a command at ";" and runs what follows as the next one.
bool IsOptionCharacter(char c) { return c >= 33 && c <= 126 && c != '+' && c != ';'; }

// The value after `tag` in the options part, running to the end of the link.
std::optional<std::string> OptionAfter(std::string_view options, std::string_view tag) {
  const std::size_t found = FindIgnoringCase(options, tag);
  if (found == std::string_view::npos) return std::nullopt;
  return std::string(options.substr(found + tag.size()));
}

// "" when the address may be served, otherwise why not.
std::string AddressProblem(std::string_view address) {
  if (!std::all_of(address.begin(), address.end(), IsAddressCharacter)) {
    return Text("link.address_characters");
  }
  if (!address.empty() && address.front() == '-') {
    return Text("link.address_dash");
  }
  return {};
}

std::string OptionProblem(const std::optional<std::string>& value, std::string_view tag) {
  if (!value) return {};
  if (!std::all_of(value->begin(), value->end(), IsOptionCharacter)) {
    return Text("link.password_characters", {{"tag", tag}});
  }
  if (!value->empty() && (value->front() == '-' || value->front() == '/')) {
    return Text("link.password_start", {{"tag", tag}});
  }
  return {};
}

LinkParse Refused(std::string reason) { return {std::nullopt, std::move(reason)}; }

}  // namespace

LinkParse ParseGameLink(std::string_view text) {
  if (CharacterCount(text) > kMaxCharacters) {
    return Refused(Text("link.too_long", {{"count", std::to_string(kMaxCharacters)}}));
  }
  const std::string_view scheme = text.substr(0, kScheme.size());
  if (!std::equal(scheme.begin(), scheme.end(), kScheme.begin(), kScheme.end(),
                  SameLettersIgnoringCase)) {
    return Refused(Text("link.wrong_scheme"));
  }
  if (text.find('"') != std::string_view::npos) {
    return Refused(Text("link.holds_quote"));
  }
  const std::string_view afterScheme = text.substr(kScheme.size());
  const std::size_t slash = afterScheme.find('/');
  if (slash == std::string_view::npos) {
    return Refused(Text("link.no_slash"));
  }
  // Options are looked for after the slash only, so neither the scheme nor the address is
  // ever read as one.
  const std::string_view options = afterScheme.substr(slash);
  GameLink link{std::string(afterScheme.substr(0, slash)), OptionAfter(options, kPasswordTag),
                OptionAfter(options, kRecordTag)};
  for (std::string problem :
       {AddressProblem(link.serverAddress), OptionProblem(link.password, kPasswordTag),
        OptionProblem(link.recordPassword, kRecordTag)}) {
    if (!problem.empty()) return Refused(std::move(problem));
  }
  return {std::move(link), {}};
}

// A refused link's options are not checked, so the first tag anywhere past the scheme counts,
// whether or not a slash comes before it: masking too much is harmless, showing a password is
// not.
std::string LinkForMessages(std::string_view text) {
  const std::string lower = AsciiLowered(text);
  const std::size_t from = lower.starts_with(kScheme) ? kScheme.size() : 0;
  const std::size_t tag = std::min(lower.find(kPasswordTag, from), lower.find(kRecordTag, from));
  if (tag == std::string::npos) return std::string(text);
  const std::size_t value = lower.find('=', tag) + 1;
  return std::string(text.substr(0, value)) + "****";
}

}  // namespace cindermoor
