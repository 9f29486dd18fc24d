#include "launcher/startup_sequence.h"

#include <cmath>

#include "common/setting_number.h"
#include "external/outside_programs.h"
#include "link/command_lines.h"
#include "link/game_link.h"
#include "state/launcher_settings.h"
#include "state/protocol_handler.h"

namespace cindermoor {
namespace {

constexpr const char* kProgramTitle = "Cindermoor Launcher";

// Carriage returns only: the message box breaks lines at them, as users of this box saw it.
std::string FoundFolderQuestion(const std::string& folder) {
  return "Unable to detect Tribes Executable File. \rFound: " + folder +
         "\r\rIs this the correct path?";
}

// The launch box takes 0 or 1; anything else stored reads as a first run would.
std::optional<int> LaunchBoxValue(const std::string& stored) {
  const auto number = NumberOf(stored);
  if (!number) return std::nullopt;
  const double whole = std::nearbyint(*number);
  if (whole != 0 && whole != 1) return std::nullopt;
  return static_cast<int>(whole);
}

class Startup {
 public:
  Startup(StartupServices services, const std::string& linkText)
      : s_(services), linkText_(linkText) {}

  StartupOutcome Run() {
    if (!linkText_.empty()) {
      LinkParse parsed = ParseGameLink(linkText_);
      if (!parsed.link) {
        s_.dialogs.ShowMessage(parsed.refusal + "\r\rLink: " + linkText_, kProgramTitle);
        return StartupOutcome::End;
      }
      link_ = std::move(parsed.link);
    }
    const bool voiceClientInstalled = CheckVoiceClient();
    FindGameFolder();
    FillVoiceFields();
    if (voiceClientInstalled) SetLaunchBox();
    SelectVoiceMode();
    ShowInstallState();
    RefreshLinkHandler();
    if (link_) return ServeLink(*link_);
    return locatorShown_ ? StartupOutcome::LocatorWindow : StartupOutcome::MainWindow;
  }

 private:
  // Without a voice client the launch box and voice settings are pushed out of sight.
  bool CheckVoiceClient() {
    if (!s_.programs.VoiceClientFolder().empty()) return true;
    s_.windows.Compact();
    s_.windows.SetLaunchBox(0);
    return false;
  }

  void FindGameFolder() {
    const std::string stored = s_.settings.Read(setting::kTribesPath);
    if (!stored.empty()) {
      s_.windows.ShowGameFolder(stored);
      return;
    }
    const std::string found = s_.programs.DetectedGameFolder();
    if (!found.empty() && s_.dialogs.AskYesNo(FoundFolderQuestion(found), "Error!", true)) {
      s_.settings.Write(setting::kTribesPath, found);
      s_.windows.ShowGameFolder(found);
      return;
    }
    s_.windows.HideMainWindow();
    s_.windows.ShowLocatorWindow();
    locatorShown_ = true;
  }

  void FillVoiceFields() {
    s_.windows.FillVoiceFields({s_.settings.Read(setting::kServer),
                                s_.settings.Read(setting::kChannel),
                                s_.settings.Read(setting::kPassword)});
  }

  // A first run stores "1" through the box's own handler.
  void SetLaunchBox() {
    const auto value = LaunchBoxValue(s_.settings.Read(setting::kRogerWilcoLaunch));
    s_.windows.SetLaunchBox(value.value_or(1));
  }

  void SelectVoiceMode() {
    voiceMode_ = ParseVoiceMode(s_.settings.Read(setting::kUseTWRW));
    if (voiceMode_ != VoiceMode::None) s_.windows.SelectVoiceMode(voiceMode_);
  }

  void ShowInstallState() {
    const std::string installed = s_.settings.Read(setting::kInstalled);
    if (installed.empty()) s_.windows.ShowInstallState(false);
    if (installed == "1") s_.windows.ShowInstallState(true);
  }

  // Every start points the handler at this copy of the program. When Windows refuses, the
  // user is told and the start goes on: the program itself works, links may not reach it.
  void RefreshLinkHandler() {
    const Outcome refreshed = s_.protocol.RefreshHandlerCommand();
    if (!refreshed.Succeeded()) s_.dialogs.ShowMessage(refreshed.Reason(), kProgramTitle);
  }

  // Nothing is started, and no voice channel joined, for a game that cannot start.
  StartupOutcome ServeLink(const GameLink& link) {
    if (const Outcome game = s_.programs.CheckGameCanStart(); !game.Succeeded()) {
      s_.dialogs.ShowMessage(game.Reason() + "\r\rLink: " + linkText_, kProgramTitle);
      return locatorShown_ ? StartupOutcome::LocatorWindow : StartupOutcome::End;
    }
    s_.windows.ShowQuitWindow();
    const VoiceFields fields = s_.windows.ReadVoiceFields();
    const std::string voiceArgs =
        BuildVoiceArgs(voiceMode_, fields.server, fields.channel, fields.password, link);
    if (s_.windows.LaunchBox() == 1) s_.programs.StartVoiceClient(voiceArgs);
    s_.programs.StartGame(BuildGameArgs(link));
    s_.windows.HideMainWindow();
    return StartupOutcome::ServingLink;
  }

  StartupServices s_;
  const std::string& linkText_;
  std::optional<GameLink> link_;
  bool locatorShown_ = false;
  VoiceMode voiceMode_ = VoiceMode::Community;
};

}  // namespace

StartupOutcome RunStartup(StartupServices services, const std::string& link) {
  return Startup(services, link).Run();
}

}  // namespace cindermoor
