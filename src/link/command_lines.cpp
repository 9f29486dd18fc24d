// Pure string work on a parsed link: no quoting is added anywhere, so what reaches the command
// lines is made safe by ParseGameLink, which gives no value for a link that could add an
// argument of its own.
#include "link/command_lines.h"

#include <algorithm>
#include <iterator>

#include "common/setting_number.h"

namespace cindermoor {
namespace {

constexpr std::string_view kConnectToken = " +connect ";
constexpr std::string_view kPasswordToken = " +password ";
constexpr std::string_view kRecordToken = " +record";

}  // namespace

VoiceMode ParseVoiceMode(std::string_view useTwrw) {
  // A setting that is not a number is read as if it were absent, which means community.
  const auto number = NumberOf(useTwrw);
  if (!number || *number == 1) return VoiceMode::Community;
  if (*number == 0) return VoiceMode::OwnServer;
  return VoiceMode::None;
}

std::string ChannelDigitsOf(std::string_view address) {
  std::string digits;
  std::copy_if(address.begin(), address.end(), std::back_inserter(digits),
               [](char c) { return c != '.' && c != ':'; });
  return digits;
}

// Each option's value runs to the end of the link, so with both tags the first value holds
// the second.
std::string BuildGameArgs(const GameLink& link) {
  std::string args(kConnectToken);
  args += link.serverAddress;
  if (link.password) {
    args += kPasswordToken;
    args += *link.password;
  }
  if (link.recordPassword) {
    args += kPasswordToken;
    args += *link.recordPassword;
    args += kRecordToken;
  }
  return args;
}

std::string GameCommand(std::string_view gameArgs) { return "tribes.exe" + std::string(gameArgs); }

// The value is one word, as links with blanks are refused.
std::string WithGamePasswordsMasked(std::string_view text) {
  const std::string_view token = kPasswordToken.substr(1);
  std::string masked(text);
  for (std::size_t at = masked.find(token); at != std::string::npos;
       at = masked.find(token, at + 1)) {
    const std::size_t value = at + token.size();
    const std::size_t end = std::min(masked.find(' ', value), masked.size());
    masked.replace(value, end - value, kMasked);
  }
  return masked;
}

}  // namespace cindermoor
