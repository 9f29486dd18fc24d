// Pure string work on a game link: no quoting is added anywhere, so what reaches the
// command lines must be made safe by ValidateLink before any of this runs.
#include "link/game_link.h"

#include <algorithm>
#include <iterator>

#include "common/config.h"
#include "common/setting_number.h"

namespace cindermoor {
namespace {

constexpr std::string_view kJoinToken = " /join1 ";
constexpr std::string_view kConnectToken = " +connect ";
constexpr std::string_view kPasswordToken = " +password ";
constexpr std::string_view kRecordToken = " +record";
constexpr std::string_view kPasswordTag = "p=";
constexpr std::string_view kRecordTag = "pr=";

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// 1-based position of `needle` at or after `from`, ignoring ASCII letter case; 0 when absent.
std::size_t FindIgnoringCase(std::string_view text, std::string_view needle, std::size_t from) {
  const std::size_t start = std::max<std::size_t>(from, 1) - 1;
  if (start > text.size()) return 0;
  const auto found =
      std::search(text.begin() + static_cast<std::ptrdiff_t>(start), text.end(), needle.begin(),
                  needle.end(), [](char a, char b) { return AsciiLower(a) == AsciiLower(b); });
  if (found == text.end()) return 0;
  return static_cast<std::size_t>(found - text.begin()) + 1;
}
}  // namespace

VoiceMode ParseVoiceMode(std::string_view useTwrw) {
  // A setting that is not a number is read as if it were absent, which means community.
  const auto number = NumberOf(useTwrw);
  if (!number || *number == 1) return VoiceMode::Community;
  if (*number == 0) return VoiceMode::OwnServer;
  return VoiceMode::None;
}

std::size_t SlashPositionOf(std::string_view link) {
  return FindIgnoringCase(link, "/", kAddressStart);
}

std::string ServerAddressOf(std::string_view link) {
  // Without a slash the address has no end; an empty one keeps every caller harmless.
  const std::size_t slash = SlashPositionOf(link);
  if (slash == 0) return {};
  return std::string(link.substr(kAddressStart - 1, slash - kAddressStart));
}

std::string ChannelDigitsOf(std::string_view address) {
  std::string digits;
  std::copy_if(address.begin(), address.end(), std::back_inserter(digits),
               [](char c) { return c != '.' && c != ':'; });
  return digits;
}

std::optional<std::string> OptionValue(std::string_view link, std::string_view tag,
                                       std::size_t from) {
  const std::size_t position = FindIgnoringCase(link, tag, from);
  if (position == 0) return std::nullopt;
  return std::string(link.substr(position - 1 + tag.size()));
}

std::string BuildVoiceArgs(VoiceMode mode, std::string_view server, std::string_view channel,
                           std::string_view password, std::string_view link) {
  std::string args(kJoinToken);
  switch (mode) {
    case VoiceMode::Community:
      args += config::kCommunityVoiceHost;
      args += '/';
      args += ChannelDigitsOf(ServerAddressOf(link));
      args += ' ';
      args += config::kCommunityChannelPassword;
      return args;
    case VoiceMode::OwnServer:
      args += server;
      args += '/';
      args += channel;
      args += ' ';
      args += password;
      return args;
    case VoiceMode::None:
      break;
  }
  return {};
}

std::string BuildGameArgs(std::string_view link) {
  std::string args(kConnectToken);
  args += ServerAddressOf(link);
  // Options live after the slash only; a link without one carries none.
  const std::size_t slash = SlashPositionOf(link);
  if (slash == 0) return args;
  // Each value runs to the end of the link, so with both tags the first value holds the second.
  if (const auto password = OptionValue(link, kPasswordTag, slash)) {
    args += kPasswordToken;
    args += *password;
  }
  if (const auto recorded = OptionValue(link, kRecordTag, slash)) {
    args += kPasswordToken;
    args += *recorded;
    args += kRecordToken;
  }
  return args;
}

std::string VoiceCommand(std::string_view voiceArgs) {
  return "roger.exe" + std::string(voiceArgs);
}

std::string GameCommand(std::string_view gameArgs) { return "tribes.exe" + std::string(gameArgs); }

}  // namespace cindermoor
