#include "external/outside_programs.h"

#include "common/folder_path.h"
#include "link/command_lines.h"
#include "text/text.h"

namespace cindermoor {

namespace {

constexpr const char* kVoiceClientProgram = "roger.exe";
constexpr const char* kGameProgram = "tribes.exe";
constexpr const char* kVoiceClientKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\roger.exe";
constexpr const char* kGameKey = "Software\\Dynamix\\Starsiege Tribes";
constexpr const char* kFolderValue = "Path";
constexpr const char* kShutdownArgs = " /shutdown";

}  // namespace

OutsidePrograms::OutsidePrograms(Registry& registry, LauncherSettings& settings,
                                 ProgramStarter& starter, WebOpener& webOpener)
    : registry_(registry), settings_(settings), starter_(starter), webOpener_(webOpener) {}

// Both programs are 32-bit and their installers write the 32-bit view of the machine's
// software key; the native view is the fallback for installs that wrote it directly.
// Read on every call: the user may install either program while the launcher runs.
std::string OutsidePrograms::ReadInstallFolder(const std::string& subKey) {
  std::string folder =
      registry_.GetRegString(RegRoot::LocalMachine, subKey, kFolderValue, "", RegView::Bit32);
  if (folder.empty()) {
    folder =
        registry_.GetRegString(RegRoot::LocalMachine, subKey, kFolderValue, "", RegView::Native);
  }
  return folder;
}

std::string OutsidePrograms::VoiceClientFolder() { return ReadInstallFolder(kVoiceClientKey); }

std::string OutsidePrograms::DetectedGameFolder() { return ReadInstallFolder(kGameKey); }

void OutsidePrograms::StartVoiceClient(const std::string& voiceArgs) {
  const std::string folder = VoiceClientFolder();
  // Starting by bare name would run whatever roger.exe a search happens to find.
  if (folder.empty()) {
    throw FatalError(Text("programs.cannot_start_voice"));
  }
  StartVoiceCommand(folder, VoiceCommand(voiceArgs), ShowCommand::Minimized);
}

void OutsidePrograms::StopVoiceClient() {
  const std::string folder = VoiceClientFolder();
  // Without an installed voice client there is no running one to shut down.
  if (folder.empty()) return;
  StartVoiceCommand(folder, VoiceCommand(kShutdownArgs), ShowCommand::Normal);
}

void OutsidePrograms::StartVoiceCommand(const std::string& folder, const std::string& commandLine,
                                        ShowCommand show) {
  starter_.Start({JoinFolder(folder, kVoiceClientProgram), folder, commandLine, show});
}

void OutsidePrograms::StartGame(const std::string& gameArgs) {
  const std::string folder = settings_.Read(setting::kTribesPath);
  if (folder.empty()) {
    throw FatalError(Text("programs.cannot_start_game"));
  }
  starter_.Start({.programPath = JoinFolder(folder, kGameProgram),
                  .folder = folder,
                  .commandLine = GameCommand(gameArgs),
                  .waitUntilReady = true});
}

Outcome OutsidePrograms::CheckGameCanStart() {
  const std::string folder = settings_.Read(setting::kTribesPath);
  if (folder.empty()) return Outcome::Failure(Text("programs.game_folder_not_set"));
  const std::string program = JoinFolder(folder, kGameProgram);
  if (!starter_.FileExists(program)) {
    return Outcome::Failure(Text("programs.game_not_found", {{"program", program}}));
  }
  return Outcome::Success();
}

void OutsidePrograms::OpenWebPage(const std::string& url) { webOpener_.OpenWebPage(url); }

}  // namespace cindermoor
