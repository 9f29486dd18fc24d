// The system every voice client stands on, in memory, with the list of clients on it.
#pragma once

#include <string>
#include <vector>

#include "doubles/memory_log_file.h"
#include "doubles/memory_registry.h"
#include "doubles/memory_settings_store.h"
#include "doubles/recording_programs.h"
#include "doubles/recording_url_opener.h"
#include "external/outside_programs.h"
#include "log/event_log.h"
#include "state/launcher_settings.h"
#include "voice/voice_clients.h"

namespace cindermoor {

struct VoiceDesk {
  MemoryLogFile logFile;
  EventLog log{logFile};
  MemoryRegistry registry;
  MemorySettingsStore store;
  LauncherSettings settings{store};
  RecordingStarter starter;
  RecordingWebOpener web;
  OutsidePrograms programs{registry, settings, starter, web};
  RecordingUrlOpener urls;
  VoiceClients clients{{programs, urls, log}};

  void InstallRogerWilco(const std::string& folder = "C:\\RogerWilco") {
    registry.PutString(RegRoot::LocalMachine,
                       "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\roger.exe", "Path",
                       folder, RegView::Bit32);
  }
  VoiceClient& Client(const char* stored) { return clients.At(clients.Chosen(stored)); }

  // What the system was asked to start or open, in order, and forgotten.
  std::vector<std::string> Started() {
    std::vector<std::string> started;
    for (const ProgramStart& start : starter.starts) started.push_back(start.commandLine);
    started.insert(started.end(), urls.urls.begin(), urls.urls.end());
    starter.starts.clear();
    urls.urls.clear();
    return started;
  }
};

}  // namespace cindermoor
