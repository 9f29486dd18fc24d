#include "ui/locator_form.h"

#include <algorithm>
#include <optional>

#include "common/ascii_text.h"
#include "common/folder_path.h"
#include "state/launcher_settings.h"
#include "text/text.h"
#include "ui/file_system.h"
#include "ui/main_form.h"

namespace cindermoor {
namespace {

constexpr const char* kGamePattern = "Tribes.exe";

void SortIgnoringCase(std::vector<std::string>& names) {
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return AsciiLower(x) < AsciiLower(y);
    });
  });
}

// "d: [label]" -> "d:"; the letter is what the file system is asked about.
std::string DriveLetterOf(const std::string& drive) { return drive.substr(0, 2); }

// The root of a path with its separator: "C:\" for "C:\Games", "\\server\share\" for a share.
std::string RootOf(const std::string& path) {
  if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2) + "\\";
  if (path.rfind("\\\\", 0) == 0) {
    const size_t serverEnd = path.find('\\', 2);
    const size_t shareEnd =
        serverEnd == std::string::npos ? serverEnd : path.find('\\', serverEnd + 1);
    return shareEnd == std::string::npos ? path + "\\" : path.substr(0, shareEnd + 1);
  }
  return path;
}

// A root is written with its separator, any other folder without one.
std::string Normalised(const std::string& path) {
  const std::string root = RootOf(path);
  std::string folder = path;
  while (folder.size() > root.size() && folder.back() == '\\') folder.pop_back();
  return folder.size() < root.size() ? root : folder;
}

// The folders from the root down to the path itself.
std::vector<FolderEntry> ChainOf(const std::string& path) {
  const std::string root = RootOf(path);
  std::vector<FolderEntry> chain{{root, root, 0}};
  std::string folder = root;
  size_t start = root.size();
  while (start < path.size()) {
    size_t end = path.find('\\', start);
    if (end == std::string::npos) end = path.size();
    if (end > start) {
      const std::string name = path.substr(start, end - start);
      folder = JoinFolder(folder, name);
      chain.push_back({name, folder, static_cast<int>(chain.size())});
    }
    start = end + 1;
  }
  return chain;
}

}  // namespace

LocatorForm::LocatorForm(LauncherSettings& settings, MainForm& mainForm, FileSystem& files,
                         LocatorFormView& view)
    : settings_(settings), mainForm_(mainForm), fileSystem_(files), view_(view) {}

void LocatorForm::Show() {
  if (!filled_) FillFirstTime();
  visible_ = true;
  view_.Show();
}

void LocatorForm::FillFirstTime() {
  filled_ = true;
  drives_ = fileSystem_.Drives();
  view_.SetDrives(drives_);
  const std::string folder = Normalised(fileSystem_.CurrentFolder());
  const auto current = std::find_if(drives_.begin(), drives_.end(), [&](const std::string& d) {
    return SameIgnoringCase(DriveLetterOf(d), RootOf(folder).substr(0, 2));
  });
  SelectDrive(current == drives_.end() ? std::string() : *current);
  // The program's own folder can be read; should it not be, the chain alone still shows it.
  if (!MoveFolderList(folder)) {
    folderPath_ = folder;
    folderList_ = ChainOf(folder);
    view_.SetFolders(folderList_, folderList_.size() - 1);
    OnFolderChanged();
  }
}

void LocatorForm::SelectDrive(const std::string& drive) {
  drive_ = drive;
  const auto found = std::find(drives_.begin(), drives_.end(), drive);
  view_.SelectDrive(found == drives_.end() ? -1 : static_cast<int>(found - drives_.begin()));
}

// A drive that is not ready, or whose current folder cannot be read, leaves all three lists
// where they were.
void LocatorForm::OnDriveChosen(const std::string& drive) {
  const std::string letter = DriveLetterOf(drive);
  const auto folder = fileSystem_.CurrentFolderOf(letter);
  if (!folder) {
    view_.ShowMessage(Text("locator.drive_not_ready", {{"drive", letter}}));
    SelectDrive(drive_);
    return;
  }
  if (!MoveFolderList(Normalised(*folder))) {
    SelectDrive(drive_);
    return;
  }
  SelectDrive(drive);
  ShowFilesIn(folderPath_);
}

void LocatorForm::OpenFolder(const std::string& path) { MoveFolderList(Normalised(path)); }

// Moves the folder list and raises OnFolderChanged; false, with a notice, when the folder
// cannot be read.
bool LocatorForm::MoveFolderList(const std::string& path) {
  if (path == folderPath_) return true;
  auto subFolders = fileSystem_.SubFolders(path);
  if (!subFolders) {
    view_.ShowMessage(Text("locator.folder_cannot_open", {{"folder", path}}));
    return false;
  }
  SortIgnoringCase(*subFolders);
  folderPath_ = path;
  folderList_ = ChainOf(path);
  const size_t current = folderList_.size() - 1;
  const int depth = static_cast<int>(folderList_.size());
  for (const std::string& name : *subFolders) {
    folderList_.push_back({name, JoinFolder(path, name), depth});
  }
  view_.SetFolders(folderList_, current);
  OnFolderChanged();
  return true;
}

void LocatorForm::OnFolderChanged() { ShowFilesIn(folderPath_); }

void LocatorForm::ShowFilesIn(const std::string& path) {
  fileListFolder_ = path;
  files_ = fileSystem_.FilesMatching(path, kGamePattern);
  SortIgnoringCase(files_);
  view_.SetFiles(files_);
}

// Whatever folder the file list shows is stored; the game's start reports a wrong one.
void LocatorForm::OnOkClicked() {
  settings_.Write(setting::kTribesPath, fileListFolder_);
  mainForm_.ShowGameFolder(fileListFolder_);
  ReturnToMainWindow();
}

// Closing is leaving without OK: nothing is stored.
void LocatorForm::OnCloseRequested() { ReturnToMainWindow(); }

void LocatorForm::ReturnToMainWindow() {
  visible_ = false;
  view_.Hide();
  mainForm_.Show();
}

}  // namespace cindermoor
