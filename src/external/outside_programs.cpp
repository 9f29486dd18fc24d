#include "external/outside_programs.h"

#include "common/folder_path.h"
#include "link/command_lines.h"
#include "text/text.h"

namespace cindermoor {

namespace {

constexpr const char* kGameProgram = "tribes.exe";
constexpr const char* kGameKey = "Software\\Dynamix\\Starsiege Tribes";
constexpr const char* kFolderValue = "Path";

}  // namespace

OutsidePrograms::OutsidePrograms(Registry& registry, LauncherSettings& settings,
                                 ProgramStarter& starter, WebOpener& webOpener)
    : registry_(registry), settings_(settings), starter_(starter), webOpener_(webOpener) {}

// The programs found this way are 32-bit and their installers write the 32-bit view of the
// machine's software key; the native view is the fallback for installs that wrote it directly.
// Read on every call: the user may install a program while the launcher runs.
std::string OutsidePrograms::InstallFolder(const std::string& subKey) {
  std::string folder =
      registry_.GetRegString(RegRoot::LocalMachine, subKey, kFolderValue, "", RegView::Bit32);
  if (folder.empty()) {
    folder =
        registry_.GetRegString(RegRoot::LocalMachine, subKey, kFolderValue, "", RegView::Native);
  }
  return folder;
}

std::string OutsidePrograms::DetectedGameFolder() { return InstallFolder(kGameKey); }

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
