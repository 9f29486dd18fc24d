// The game locator window's behaviour: drive, folder and file lists that browse to the game's
// folder, and OK, which stores that folder and returns to the main window.
#pragma once

#include <string>
#include <vector>

namespace cindermoor {

class FileSystem;
class LauncherSettings;
class MainForm;

// One line of the folder list: the chain from the drive's root down to the open folder, then
// that folder's sub-folders.
struct FolderEntry {
  std::string name;  // what the list shows: the root ("C:\") or the folder's own name
  std::string path;  // the folder that opening this entry makes the list's path
  int depth = 0;     // 0 for the root, one more for each level below it
  bool operator==(const FolderEntry&) const = default;
};

// What the locator's behaviour asks of its face on screen.
class LocatorFormView {
 public:
  virtual ~LocatorFormView() = default;
  virtual void SetDrives(const std::vector<std::string>& drives) = 0;
  // -1 selects none.
  virtual void SelectDrive(int index) = 0;
  // current: the entry of the open folder, which the list highlights.
  virtual void SetFolders(const std::vector<FolderEntry>& entries, size_t current) = 0;
  virtual void SetFiles(const std::vector<std::string>& files) = 0;
  // A short notice, such as a drive that is not ready.
  virtual void ShowMessage(const std::string& text) = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;
};

class LocatorForm {
 public:
  LocatorForm(LauncherSettings& settings, MainForm& mainForm, FileSystem& files,
              LocatorFormView& view);

  // The first showing puts all three lists at the program's current drive and folder; later
  // showings find them where the user left them.
  void Show();
  // Another drive was chosen in the drive list; drive is the list's text, such as "d: [label]".
  void OnDriveChosen(const std::string& drive);
  // An entry of the folder list was opened (double-clicked).
  void OpenFolder(const std::string& path);
  // OK.
  void OnOkClicked();
  // The system asked the window to close (Alt+F4).
  void OnCloseRequested();

  const std::vector<std::string>& Drives() const { return drives_; }
  const std::string& Drive() const { return drive_; }
  const std::string& FolderPath() const { return folderPath_; }
  const std::vector<FolderEntry>& FolderList() const { return folderList_; }
  const std::string& FileListFolder() const { return fileListFolder_; }
  const std::vector<std::string>& Files() const { return files_; }
  bool IsVisible() const { return visible_; }

 private:
  void FillFirstTime();
  bool MoveFolderList(const std::string& path);
  void OnFolderChanged();
  void ShowFilesIn(const std::string& path);
  void SelectDrive(const std::string& drive);
  void ReturnToMainWindow();

  LauncherSettings& settings_;
  MainForm& mainForm_;
  FileSystem& fileSystem_;
  LocatorFormView& view_;
  bool filled_ = false;
  bool visible_ = false;
  std::vector<std::string> drives_;
  std::string drive_;
  std::string folderPath_;
  std::vector<FolderEntry> folderList_;
  std::string fileListFolder_;
  std::vector<std::string> files_;
};

}  // namespace cindermoor
