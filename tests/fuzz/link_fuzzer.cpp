// Any link either is refused, or reaches the game and the voice client as exactly the
// arguments we mean: nothing from the link can add a switch or a game command.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "host/link/crt_argv_split.h"
#include "link/game_link.h"
#include "link/link_parse.h"
#include "link/link_validation.h"

namespace {

using cindermoor::testing::SplitLikeCrt;
using Argv = std::vector<std::string>;

void Require(bool condition) {
  if (!condition) std::abort();
}

// A part copied from the link: never empty here (splitting drops empty parts) and never
// looking like a switch or a game command.
void AddCopied(Argv& argv, const std::string& part) {
  if (part.empty()) return;
  Require(part[0] != '+' && part[0] != '-' && part[0] != '/');
  argv.push_back(part);
}

Argv IntendedGameArgv(std::string_view link) {
  Argv argv{"tribes.exe", "+connect"};
  AddCopied(argv, cindermoor::ServerAddressOf(link));
  const std::size_t slash = cindermoor::SlashPositionOf(link);
  if (const auto password = cindermoor::OptionValue(link, "p=", slash)) {
    argv.push_back("+password");
    AddCopied(argv, *password);
  }
  if (const auto recorded = cindermoor::OptionValue(link, "pr=", slash)) {
    argv.push_back("+password");
    AddCopied(argv, *recorded);
    argv.push_back("+record");
  }
  return argv;
}

void CheckVoice(std::string_view link) {
  const auto address = cindermoor::ServerAddressOf(link);
  const Argv community{"roger.exe", "/join1",
                       "rw.cindermoor.example/" + cindermoor::ChannelDigitsOf(address), "vortamb"};
  Require(SplitLikeCrt(cindermoor::VoiceCommand(cindermoor::BuildVoiceArgs(
              cindermoor::VoiceMode::Community, "", "", "", link))) == community);
  const Argv own{"roger.exe", "/join1", "voice.example:3782/lobby", "pw"};
  Require(SplitLikeCrt(cindermoor::VoiceCommand(cindermoor::BuildVoiceArgs(
              cindermoor::VoiceMode::OwnServer, "voice.example:3782", "lobby", "pw", link))) ==
          own);
}

// The parsed value gives the same verdict, for the same reason, and the same command lines,
// byte for byte, as the positional code it replaces.
void CheckParseMatchesPositions(std::string_view link) {
  const cindermoor::LinkParse parsed = cindermoor::ParseGameLink(link);
  const cindermoor::Outcome validated = cindermoor::ValidateLink(link);
  Require(parsed.link.has_value() == validated.Succeeded());
  Require(parsed.refusal == validated.Reason());
  if (!parsed.link) return;
  Require(cindermoor::BuildGameArgs(*parsed.link) == cindermoor::BuildGameArgs(link));
  for (const auto mode : {cindermoor::VoiceMode::Community, cindermoor::VoiceMode::OwnServer,
                          cindermoor::VoiceMode::None}) {
    Require(cindermoor::BuildVoiceArgs(mode, "s:1", "c", "p", *parsed.link) ==
            cindermoor::BuildVoiceArgs(mode, "s:1", "c", "p", link));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string link(reinterpret_cast<const char*>(data), size);
  // Building must never fail, even for links that are refused.
  const std::string gameArgs = cindermoor::BuildGameArgs(link);
  cindermoor::ParseVoiceMode(link);
  CheckParseMatchesPositions(link);
  if (!cindermoor::ValidateLink(link).Succeeded()) return 0;
  Require(SplitLikeCrt(cindermoor::GameCommand(gameArgs)) == IntendedGameArgv(link));
  CheckVoice(link);
  return 0;
}
