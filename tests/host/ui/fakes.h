// Stand-ins for the windows' faces and services, and one world of in-memory settings, registry
// and outside programs that the window behaviours can run against without Windows.
#pragma once

#include <string>
#include <vector>

#include "external/outside_programs.h"
#include "external/recording_programs.h"
#include "launcher/window_operations.h"
#include "state/launcher_settings.h"
#include "state/memory_registry.h"
#include "state/memory_settings_store.h"
#include "state/protocol_handler.h"
#include "ui/main_form.h"
#include "ui/program_control.h"

namespace cindermoor::fakes {

class FakeProgramControl : public ProgramControl {
 public:
  void EndProgram() override { ++endCount; }
  int endCount = 0;
};

// Answers every question with `answer` and keeps what was asked or shown.
class FakeDialogs : public Dialogs {
 public:
  bool AskYesNo(const std::string& text, const std::string&, bool) override {
    asked.push_back(text);
    return answer;
  }
  void ShowMessage(const std::string& text, const std::string&) override { shown.push_back(text); }

  bool answer = false;
  std::vector<std::string> asked;
  std::vector<std::string> shown;
};

// MainForm keeps its own values; its face on screen is not looked at here.
class BlankMainFormView : public MainFormView {
 public:
  void SetText(MainControl, const std::string&) override {}
  void SetEnabled(MainControl, bool) override {}
  void SetChecked(MainControl, bool) override {}
  void SetVisible(MainControl, bool) override {}
  void Compact() override {}
  void Show() override {}
  void Hide() override {}
};

// Everything the forms need, in memory. The voice client counts as installed once
// InstallVoiceClient has recorded its folder.
struct FakeUiWorld {
  static constexpr const char* kVoiceClientKey =
      "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\roger.exe";

  void InstallVoiceClient(const std::string& folder) {
    registry.PutString(RegRoot::LocalMachine, kVoiceClientKey, "Path", folder);
  }

  MemoryRegistry registry;
  MemorySettingsStore store;
  LauncherSettings settings{store};
  ProtocolHandler protocol{registry, settings, "C:\\Launcher"};
  RecordingStarter starter;
  RecordingWebOpener webOpener;
  OutsidePrograms programs{registry, settings, starter, webOpener};
  FakeDialogs dialogs;
  FakeProgramControl programControl;
  BlankMainFormView mainView;
  int locatorShowings = 0;
  MainForm mainForm{
      {settings, protocol, programs, dialogs, programControl, [this] { ++locatorShowings; }},
      mainView};
};

}  // namespace cindermoor::fakes
