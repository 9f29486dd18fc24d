#include "launcher/startup_settings.h"

#include <cmath>

#include "common/setting_number.h"
#include "state/launcher_settings.h"

namespace cindermoor {
namespace {

// The launch box takes 0 or 1; anything else stored reads as a first run would.
std::optional<int> LaunchBoxValue(const std::string& stored) {
  const auto number = NumberOf(stored);
  if (!number) return std::nullopt;
  const double whole = std::nearbyint(*number);
  if (whole != 0 && whole != 1) return std::nullopt;
  return static_cast<int>(whole);
}

}  // namespace

StartupSettings ReadStartupSettings(LauncherSettings& settings) {
  return {settings.Read(setting::kTribesPath),
          {settings.Read(setting::kServer), settings.Read(setting::kChannel),
           settings.Read(setting::kPassword)},
          LaunchBoxValue(settings.Read(setting::kRogerWilcoLaunch)),
          ParseVoiceMode(settings.Read(setting::kUseTWRW)),
          settings.Read(setting::kInstalled),
          settings.Read(setting::kVoiceClient),
          settings.Read(setting::kVoiceName)};
}

}  // namespace cindermoor
