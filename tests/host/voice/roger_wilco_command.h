// Roger Wilco's command line exactly as the launcher starts it for a served link, made by the
// real client on an in-memory system.
#pragma once

#include <optional>
#include <string>

#include "host/voice/voice_desk.h"

namespace cindermoor::testing {

inline std::string RogerWilcoCommand(const GameLink& link, const VoiceJoin& join) {
  static VoiceDesk desk;
  desk.InstallRogerWilco();
  VoiceClient& rogerWilco = desk.Client("RogerWilco");
  std::optional<std::string> start;
  if (!rogerWilco.PlanStart(link, join, start).Succeeded() || !start) return "not planned";
  if (!rogerWilco.Start(*start).Succeeded() || desk.starter.starts.empty()) return "not started";
  std::string commandLine = desk.starter.starts.back().commandLine;
  desk.starter.starts.clear();
  return commandLine;
}

}  // namespace cindermoor::testing
