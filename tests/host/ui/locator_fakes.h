// A machine's disks described by tables, and a locator face that keeps what it was told.
#pragma once

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/file_system.h"
#include "ui/locator_form.h"

namespace cindermoor::fakes {

class FakeFileSystem : public FileSystem {
 public:
  std::vector<std::string> Drives() override { return drives; }
  std::string CurrentFolder() override { return currentFolder; }
  std::optional<std::string> CurrentFolderOf(const std::string& drive) override {
    const auto found = driveFolders.find(drive);
    if (found == driveFolders.end()) return std::nullopt;
    return found->second;
  }
  std::optional<std::vector<std::string>> SubFolders(const std::string& folder) override {
    const auto found = folders.find(folder);
    if (found == folders.end()) return std::nullopt;
    return found->second;
  }
  // Exact names only, compared as Windows does: without regard to case.
  std::vector<std::string> FilesMatching(const std::string& folder,
                                         const std::string& pattern) override {
    std::vector<std::string> matching;
    for (const std::string& name : files[folder]) {
      if (SameIgnoringCase(name, pattern)) matching.push_back(name);
    }
    return matching;
  }

  std::vector<std::string> drives;
  std::string currentFolder;
  std::map<std::string, std::string> driveFolders;  // "d:" -> its current folder; absent: not ready
  std::map<std::string, std::vector<std::string>> folders;  // readable folder -> sub-folder names
  std::map<std::string, std::vector<std::string>> files;    // folder -> every file's name

 private:
  static bool SameIgnoringCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return std::tolower(static_cast<unsigned char>(x)) ==
             std::tolower(static_cast<unsigned char>(y));
    });
  }
};

class RecordingLocatorView : public LocatorFormView {
 public:
  void SetDrives(const std::vector<std::string>& items) override {
    drives = items;
    ++drivesFilled;
  }
  void SelectDrive(int index) override { selectedDrive = index; }
  void SetFolders(const std::vector<FolderEntry>& entries, size_t current) override {
    folders = entries;
    currentFolder = current;
  }
  void SetFiles(const std::vector<std::string>& items) override { files = items; }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void Show() override { visible = true; }
  void Hide() override { visible = false; }

  std::vector<std::string> drives;
  int drivesFilled = 0;
  int selectedDrive = -2;
  std::vector<FolderEntry> folders;
  size_t currentFolder = 0;
  std::vector<std::string> files;
  std::vector<std::string> messages;
  bool visible = false;
};

}  // namespace cindermoor::fakes
