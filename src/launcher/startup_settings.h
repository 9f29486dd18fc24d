// The stored settings start-up works from, read once into a plain value: the windows are
// filled from it and a link is served from it, so a start writes nothing it did not mean to.
#pragma once

#include <optional>
#include <string>

#include "link/command_lines.h"
#include "state/launcher_settings.h"
#include "voice/voice_client.h"

namespace cindermoor {

struct StartupSettings {
  std::string gameFolder;        // TribesPath; "" when not set
  VoiceFields ownVoiceServer;    // Server, Channel, Password: the user's own voice server
  std::optional<int> launchBox;  // RogerWilcoLaunch when it holds 0 or 1; nullopt otherwise
  VoiceMode voiceMode = VoiceMode::Community;  // UseTWRW
  std::string installed;                       // Installed, as stored
  std::string voiceClient;                     // VoiceClient, as stored
  std::string voiceName;                       // VoiceName, exactly as stored
};

StartupSettings ReadStartupSettings(LauncherSettings& settings);

}  // namespace cindermoor
