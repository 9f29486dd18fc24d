// Any link either is refused, or reaches the game and the voice client as exactly the
// arguments we mean: nothing from the link can add a switch or a game command.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "host/link/crt_argv_split.h"
#include "link/command_lines.h"
#include "link/game_link.h"

namespace {

using cindermoor::GameLink;
using cindermoor::testing::SplitLikeCrt;
using Argv = std::vector<std::string>;

void Require(bool condition) {
  if (!condition) std::abort();
}

// A part copied from the link: never empty here (splitting drops empty parts), never
// looking like a switch or a game command, never ending a console command early.
void AddCopied(Argv& argv, const std::string& part) {
  if (part.empty()) return;
  Require(part[0] != '+' && part[0] != '-' && part[0] != '/');
  Require(part.find(';') == std::string::npos);
  argv.push_back(part);
}

Argv IntendedGameArgv(const GameLink& link) {
  Argv argv{"tribes.exe", "+connect"};
  AddCopied(argv, link.serverAddress);
  if (link.password) {
    argv.push_back("+password");
    AddCopied(argv, *link.password);
  }
  if (link.recordPassword) {
    argv.push_back("+password");
    AddCopied(argv, *link.recordPassword);
    argv.push_back("+record");
  }
  return argv;
}

// The value holds what the text holds: the address straight after the scheme up to a slash,
// and each password the text's last characters.
void CheckTakenFromTheText(std::string_view text, const GameLink& link) {
  const std::size_t addressStart = 9;  // after "tribes://"
  Require(text.substr(addressStart, link.serverAddress.size()) == link.serverAddress);
  Require(text.substr(addressStart + link.serverAddress.size(), 1) == "/");
  for (const auto& value : {link.password, link.recordPassword}) {
    Require(!value || text.substr(text.size() - std::min(value->size(), text.size())) == *value);
  }
}

void CheckVoice(const GameLink& link) {
  const Argv community{"roger.exe", "/join1",
                       "rw.cindermoor.example/" + cindermoor::ChannelDigitsOf(link.serverAddress),
                       "vortamb"};
  Require(SplitLikeCrt(cindermoor::VoiceCommand(cindermoor::BuildVoiceArgs(
              cindermoor::VoiceMode::Community, "", "", "", link))) == community);
  const Argv own{"roger.exe", "/join1", "voice.example:3782/lobby", "pw"};
  Require(SplitLikeCrt(cindermoor::VoiceCommand(cindermoor::BuildVoiceArgs(
              cindermoor::VoiceMode::OwnServer, "voice.example:3782", "lobby", "pw", link))) ==
          own);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  cindermoor::ParseVoiceMode(text);
  const cindermoor::LinkParse parsed = cindermoor::ParseGameLink(text);
  // A refusal always says why; a served link never carries a reason.
  Require(parsed.link.has_value() == parsed.refusal.empty());
  if (!parsed.link) return 0;
  CheckTakenFromTheText(text, *parsed.link);
  Require(SplitLikeCrt(cindermoor::GameCommand(cindermoor::BuildGameArgs(*parsed.link))) ==
          IntendedGameArgv(*parsed.link));
  CheckVoice(*parsed.link);
  return 0;
}
