#include "launcher/startup_sequence.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "common/fatal_error.h"
#include "external/outside_programs.h"
#include "launcher/session_launchers.h"
#include "launcher/startup_settings.h"
#include "link/command_lines.h"
#include "link/game_link.h"
#include "log/event_log.h"
#include "servers/server_lists.h"
#include "state/launcher_settings.h"
#include "state/protocol_handler.h"
#include "text/text.h"
#include "ui/main_form.h"
#include "voice/voice_clients.h"

namespace cindermoor {
namespace {

// Carriage returns only, in the tables' texts: the message box breaks lines at them, as users
// of this box saw it.
std::string FoundFolderQuestion(const std::string& folder) {
  return Text("startup.found_folder_question", {{"folder", folder}});
}

// Server addresses only: a password never shows on screen.
std::string OtherServerQuestion(const std::string& served, const std::string& arriving) {
  return Text("startup.other_server_question", {{"served", served}, {"arriving", arriving}});
}

std::string WithLink(const std::string& reason, const std::string& link) {
  return Text("startup.link_refused", {{"reason", reason}, {"link", LinkForMessages(link)}});
}

std::string YesNo(bool yes) { return yes ? "yes" : "no"; }

std::string VoiceModeName(VoiceMode mode) {
  switch (mode) {
    case VoiceMode::Community:
      return "community server";
    case VoiceMode::OwnServer:
      return "own server";
    case VoiceMode::None:
      break;
  }
  return "none";
}

class Startup {
 public:
  Startup(StartupServices services, const std::string& linkText)
      : s_(services), linkText_(linkText) {}

  StartupOutcome Run() {
    if (!linkText_.empty()) {
      LinkParse parsed = ParseGameLink(linkText_);
      if (!parsed.link) {
        s_.dialogs.ShowMessage(WithLink(parsed.refusal, linkText_), Text("startup.title"));
        return StartupOutcome::End;
      }
      link_ = std::move(parsed.link);
      KeepLinkSecrets();
    }
    if (!TakeTurn()) return StartupOutcome::End;
    stored_ = StartupSettings(s_.settings);
    chosen_ = s_.voiceClients.Chosen(stored_[setting::kVoiceClient]);
    voiceMode_ = ParseVoiceMode(stored_[setting::kUseTWRW]);
    s_.log.KeepSecret(stored_[setting::kPassword]);
    const bool voiceClientFound = CheckVoiceClients();
    FindGameFolder();
    for (EntryBox box : kEntryBoxes) s_.mainWindow.ShowStoredText(box, stored_[SettingOf(box)]);
    ShowVoiceClient();
    if (voiceClientFound) TickLaunchBox();
    if (voiceMode_ != VoiceMode::None) {
      s_.mainWindow.ShowStoredVoiceMode(voiceMode_ == VoiceMode::OwnServer);
    }
    ShowInstallState();
    ShowSettingBoxes();
    LogWhatWasRead();
    if (!link_) {
      RefreshLinkHandler();
      return locatorShown_ ? StartupOutcome::LocatorWindow : StartupOutcome::MainWindow;
    }
    // The game does not need the handler: it is re-pointed once the game runs.
    const StartupOutcome served = ServeLinkOrShowSettings(*link_);
    RefreshLinkHandler();
    return served;
  }

 private:
  void KeepLinkSecrets() {
    s_.log.KeepSecret(link_->password.value_or(""));
    s_.log.KeepSecret(link_->recordPassword.value_or(""));
    s_.log.Write("Link accepted: server " + link_->serverAddress);
  }

  // The clients not chosen are named only when they were looked for.
  void LogWhatWasRead() {
    const std::string& folder = stored_[setting::kTribesPath];
    std::string event = "Game folder: " + (folder.empty() ? "none, the locator shown" : folder) +
                        "; voice client " + s_.voiceClients.At(chosen_).StoredName() +
                        " (installed " + YesNo(installed_[chosen_]) + "), mode " +
                        VoiceModeName(voiceMode_) + ", launched with games " +
                        YesNo(launchBox_ == 1);
    for (std::size_t index = 0; lookedForAll_ && index < s_.voiceClients.Count(); ++index) {
      if (index == chosen_) continue;
      event += std::string("; ") + s_.voiceClients.At(index).StoredName() + " installed " +
               YesNo(installed_[index]);
    }
    s_.log.Write(event + "; link handler installed " + YesNo(stored_[setting::kInstalled] == "1"));
  }

  // A link already served, or a settings window already open, comes to the front instead of
  // a second one. Another server's link is served beside the first only when the player says
  // so: its game may still be running.
  bool TakeTurn() {
    const std::vector<RunningLauncher> running = s_.launchers.TakeTurn();
    const StartDecision decision = DecideStart(link_, running);
    if (decision.action != StartAction::FrontAndEnd) s_.launchers.Announce(link_);
    if (decision.action == StartAction::GoOn) return true;
    if (decision.action == StartAction::AskFirst &&
        s_.dialogs.AskYesNo(
            OtherServerQuestion(*running[decision.launcher].servedServer, link_->serverAddress),
            Text("startup.title"), false)) {
      return true;
    }
    s_.launchers.BringToFront(decision.launcher);
    s_.log.Write("Another running launcher brought to the front instead");
    return false;
  }

  // A link looks only at the chosen client: the others matter only to the main window, which
  // a served link never shows.
  bool CheckVoiceClients() {
    installed_.assign(s_.voiceClients.Count(), false);
    installed_[chosen_] = s_.voiceClients.At(chosen_).Installed();
    if (!link_) LookForOtherClients();
    return AdaptToVoiceClients();
  }

  // Without any voice client the launch box and voice settings are pushed out of sight; with
  // one of them the choice stays in reach. Until every client was looked for, a missing one
  // leaves the window as it is.
  bool AdaptToVoiceClients() {
    if (std::find(installed_.begin(), installed_.end(), true) != installed_.end()) return true;
    if (lookedForAll_) {
      s_.mainWindow.Compact();
      s_.mainWindow.ShowStoredLaunchBox(0);
    }
    return false;
  }

  void LookForOtherClients() {
    for (std::size_t index = 0; index < installed_.size(); ++index) {
      if (index != chosen_) installed_[index] = s_.voiceClients.At(index).Installed();
    }
    lookedForAll_ = true;
  }

  // Accepting the folder found is the user's own choice, stored as the locator stores one.
  void FindGameFolder() {
    if (!stored_[setting::kTribesPath].empty()) {
      s_.mainWindow.ShowGameFolder(stored_[setting::kTribesPath]);
      return;
    }
    const std::string found = s_.programs.DetectedGameFolder();
    if (!found.empty() &&
        s_.dialogs.AskYesNo(FoundFolderQuestion(found), Text("startup.found_folder_title"), true)) {
      s_.settings.Write(setting::kTribesPath, found);
      s_.mainWindow.ShowGameFolder(found);
      stored_.Put(setting::kTribesPath, found);
      return;
    }
    s_.mainWindow.LeaveForLocator();
    locatorShown_ = true;
  }

  // A first run, or a value that is neither 0 nor 1, ticks the box and stores "1": the quit
  // window reads the setting to know whether to shut down the voice client it started.
  void TickLaunchBox() {
    launchBox_ = stored_[setting::kLaunchVoiceClient] == "1" ? 1 : 0;
    if (stored_.Defaulted(setting::kLaunchVoiceClient)) {
      s_.settings.Write(setting::kLaunchVoiceClient, stored_[setting::kLaunchVoiceClient]);
    }
    s_.mainWindow.ShowStoredLaunchBox(launchBox_);
  }

  void ShowVoiceClient() {
    s_.mainWindow.ShowStoredVoiceClient(chosen_, stored_[setting::kVoiceName], installed_);
  }

  void ShowInstallState() {
    const std::string& installed = stored_[setting::kInstalled];
    if (installed.empty()) s_.mainWindow.ShowStoredInstallState(false);
    if (installed == "1") s_.mainWindow.ShowStoredInstallState(true);
  }

  void ShowSettingBoxes() {
    const auto boxes = s_.mainWindow.SettingBoxes();
    for (std::size_t box = 0; box < boxes.size(); ++box) {
      s_.mainWindow.ShowStoredSettingBox(box, stored_[boxes[box].setting] == "1");
    }
  }

  // Every start points an installed handler at this copy of the program. When Windows
  // refuses, the user is told and the start goes on: the program works, links may not reach it.
  // A link goes straight to its game: the Linux side's problems wait for a plain start.
  void RefreshLinkHandler() {
    const Refreshed refreshed = s_.protocol.RefreshHandlerCommand(
        link_ ? DesktopHandler::Telling::Never : DesktopHandler::Telling::OncePerCause);
    s_.log.Write(
        "Link handler refresh (Windows and, under Wine, the Linux desktop): " +
        (refreshed.happened.Succeeded() ? "done" : "failed: " + refreshed.happened.Reason()));
    if (!refreshed.toTell.Succeeded()) {
      s_.dialogs.ShowMessage(refreshed.toTell.Reason(), Text("startup.title"));
    }
  }

  // A link that could not be served leaves this launcher showing its settings, if anything:
  // a later start of the same link is served, not sent here.
  StartupOutcome ServeLinkOrShowSettings(const GameLink& link) {
    const StartupOutcome outcome = ServeLink(link);
    if (outcome != StartupOutcome::ServingLink) s_.launchers.Announce(std::nullopt);
    return outcome;
  }

  // Nothing is started, and no voice channel joined, for a game that cannot start, nor for a
  // link the chosen client refuses. The voice client is never waited for; a failure it
  // returns is told once the game runs.
  StartupOutcome ServeLink(const GameLink& link) {
    if (const Outcome game = s_.programs.CheckGameCanStart(); !game.Succeeded()) {
      return Refuse(game);
    }
    VoiceClient& client = s_.voiceClients.At(chosen_);
    std::optional<std::string> voiceStart;
    if (launchBox_ == 1 && installed_[chosen_]) {
      const VoiceFields own{stored_[setting::kServer], stored_[setting::kChannel],
                            stored_[setting::kPassword]};
      const VoiceJoin join{voiceMode_, own, stored_[setting::kVoiceName]};
      if (const Outcome planned = client.PlanStart(link, join, voiceStart); !planned.Succeeded()) {
        return Refuse(planned);
      }
    }
    s_.showQuitWindow();
    const bool afterGame = client.StartsAfterGame();
    Outcome started = voiceStart && !afterGame ? client.Start(*voiceStart) : Outcome::Success();
    const StartupOutcome outcome = StartGame(link);
    if (voiceStart && afterGame) started = client.Start(*voiceStart);
    if (!started.Succeeded()) s_.dialogs.ShowMessage(started.Reason(), Text("startup.title"));
    return outcome;
  }

  // A link not served leaves the locator, and then the main window, to the user: the choice of
  // voice clients there tells which are installed.
  StartupOutcome Refuse(const Outcome& refusal) {
    s_.dialogs.ShowMessage(WithLink(refusal.Reason(), linkText_), Text("startup.title"));
    if (!locatorShown_) return StartupOutcome::End;
    if (!lookedForAll_) {
      const bool launchBoxSet = installed_[chosen_];
      LookForOtherClients();
      if (AdaptToVoiceClients() && !launchBoxSet) TickLaunchBox();
      ShowVoiceClient();
    }
    return StartupOutcome::LocatorWindow;
  }

  StartupOutcome StartGame(const GameLink& link) {
    s_.programs.StartGame(BuildGameArgs(link));
    RecordRecentServer(link);
    s_.mainWindow.Hide();
    return StartupOutcome::ServingLink;
  }

  // Only a server whose game started counts as played. The list is a convenience: a store that
  // refuses it costs this start nothing, and the log tells.
  void RecordRecentServer(const GameLink& link) {
    const std::optional<ServerAddress> address = ParseAddress(link.serverAddress, kGamePort);
    if (!address) return;
    const std::vector<ServerAddress> recent =
        ParseServerList(s_.settings.Read(setting::kRecentServers), kMaxStoredServers);
    try {
      s_.settings.Write(setting::kRecentServers, FormatServerList(WithRecent(recent, *address)));
    } catch (const FatalError& refused) {
      s_.log.Write(std::string("Recent servers not recorded: ") + refused.what());
    }
  }

  StartupServices s_;
  const std::string& linkText_;
  std::optional<GameLink> link_;
  StartupSettings stored_;
  VoiceMode voiceMode_ = VoiceMode::Community;
  bool locatorShown_ = false;
  std::size_t chosen_ = 0;
  std::vector<bool> installed_;  // by the list of clients' order
  bool lookedForAll_ = false;
  int launchBox_ = 0;
};

}  // namespace

StartupOutcome RunStartup(StartupServices services, const std::string& link) {
  return Startup(services, link).Run();
}

}  // namespace cindermoor
