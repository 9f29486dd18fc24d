// Pure string work on a parsed link: no quoting is added anywhere, so what reaches the command
// lines is made safe by ParseGameLink, which gives no value for a link that could add an
// argument of its own.
#include "link/command_lines.h"

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

std::string BuildVoiceArgs(VoiceMode mode, std::string_view server, std::string_view channel,
                           std::string_view password, const GameLink& link) {
  std::string args(kJoinToken);
  switch (mode) {
    case VoiceMode::Community:
      args += config::kCommunityVoiceHost;
      args += '/';
      args += ChannelDigitsOf(link.serverAddress);
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

std::string VoiceCommand(std::string_view voiceArgs) {
  return "roger.exe" + std::string(voiceArgs);
}

std::string GameCommand(std::string_view gameArgs) { return "tribes.exe" + std::string(gameArgs); }

}  // namespace cindermoor
