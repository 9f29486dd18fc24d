// What the game locator's drive, folder and file lists need to know about the machine's disks.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cindermoor {

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // The machine's drives as the drive list shows them: "c:", or "d: [label]".
  virtual std::vector<std::string> Drives() = 0;
  // The program's current folder, such as "C:\" or "C:\Games".
  virtual std::string CurrentFolder() = 0;
  // A drive's own current folder, for a drive given as "d:"; nothing when the drive is not
  // ready (a disc drive without a disc).
  virtual std::optional<std::string> CurrentFolderOf(const std::string& drive) = 0;
  // Names of the folder's sub-folders; nothing when the folder cannot be read.
  virtual std::optional<std::vector<std::string>> SubFolders(const std::string& folder) = 0;
  // Names of the files in the folder that match the pattern the way the file system matches
  // names, without regard to case.
  virtual std::vector<std::string> FilesMatching(const std::string& folder,
                                                 const std::string& pattern) = 0;
};

}  // namespace cindermoor
