#include "launcher/startup_settings.h"

#include "state/launcher_settings.h"

namespace cindermoor {

StartupSettings ReadStartupSettings(LauncherSettings& settings) {
  return {settings.Read(setting::kTribesPath),
          {settings.Read(setting::kServer), settings.Read(setting::kChannel),
           settings.Read(setting::kPassword)},
          ParseLaunchBox(settings.Read(setting::kRogerWilcoLaunch)),
          ParseVoiceMode(settings.Read(setting::kUseTWRW)),
          settings.Read(setting::kInstalled),
          settings.Read(setting::kVoiceClient),
          settings.Read(setting::kVoiceName)};
}

}  // namespace cindermoor
