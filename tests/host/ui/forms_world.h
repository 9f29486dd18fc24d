// Everything the windows' behaviour stands on, in memory: registry, settings, program
// starter, web opener, message boxes, and the form itself on a recording view.
#pragma once

#include <span>
#include <string>

#include "doubles/memory_log_file.h"
#include "doubles/memory_registry.h"
#include "doubles/memory_settings_store.h"
#include "doubles/memory_unix_desktop.h"
#include "doubles/recording_programs.h"
#include "doubles/recording_url_opener.h"
#include "external/outside_programs.h"
#include "host/ui/main_form_fakes.h"
#include "log/event_log.h"
#include "state/launcher_settings.h"
#include "state/protocol_handler.h"
#include "ui/main_form.h"
#include "voice/voice_clients.h"

namespace cindermoor::fakes {

inline constexpr const char* kProgramFolder = "C:\\Games\\Cindermoor";
inline constexpr const char* kVoiceKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\roger.exe";
inline constexpr const char* kGameKey = "Software\\Dynamix\\Starsiege Tribes";
inline constexpr const char* kCommandKey = "Software\\CLASSES\\tribes\\shell\\open\\command";

struct FormsWorld {
  FormsWorld() = default;
  // With check boxes of flag settings of the test's own.
  explicit FormsWorld(std::span<const main_layout::SettingBox> boxes) : settingBoxes(boxes) {}

  MemoryLogFile logFile;
  EventLog log{logFile};
  MemoryRegistry registry;
  MemorySettingsStore store;
  LauncherSettings settings{store};
  RecordingStarter starter;
  RecordingWebOpener web;
  OutsidePrograms programs{registry, settings, starter, web};
  RecordingUrlOpener urls;
  VoiceClients voiceClients{{programs, urls, log}};
  MemoryUnixDesktop unixDesktop;
  ProtocolHandler protocol{registry, settings, unixDesktop, {kProgramFolder, "launcher.exe"}};
  ScriptedDialogs dialogs;
  RecordingProgramControl program;
  RecordingView view;
  int locatorShows = 0;
  int serversShows = 0;
  std::span<const main_layout::SettingBox> settingBoxes = main_layout::kSettingBoxes;
  MainForm form{
      MainFormServices{settings, protocol, programs, dialogs, program, voiceClients,
                       [this] { ++locatorShows; }, [this] { ++serversShows; }, settingBoxes},
      view};

  // As its installer does: in the 32-bit view of the machine's software key.
  void InstallVoiceClient(const std::string& folder) {
    registry.PutString(RegRoot::LocalMachine, kVoiceKey, "Path", folder, RegView::Bit32);
  }
  // A client's place in the list, by its stored name.
  size_t Client(const char* stored) const { return voiceClients.Chosen(stored); }
  bool Stored(const std::string& key) {
    return store.HasSetting(LauncherSettings::kApplication, LauncherSettings::kSection, key);
  }
};

}  // namespace cindermoor::fakes
