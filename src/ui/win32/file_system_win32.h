// The game locator's view of the machine's disks, through the Windows file API.
#pragma once

#include "ui/file_system.h"

namespace cindermoor::win32 {

class FileSystemWin32 : public FileSystem {
 public:
  std::vector<std::string> Drives() override;
  std::string CurrentFolder() override;
  std::optional<std::string> CurrentFolderOf(const std::string& drive) override;
  std::optional<std::vector<std::string>> SubFolders(const std::string& folder) override;
  std::vector<std::string> FilesMatching(const std::string& folder,
                                         const std::string& pattern) override;
};

}  // namespace cindermoor::win32
