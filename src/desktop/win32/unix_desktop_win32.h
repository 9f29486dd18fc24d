// The Linux side as a program under Wine sees it, through Wine's own exports; on Windows it
// only answers that there is no Wine.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "desktop/unix_desktop.h"

namespace cindermoor::win32 {

class UnixDesktopWin32 : public UnixDesktop {
 public:
  bool UnderWine() override;
  std::optional<std::string> Environment(const std::string& name) override;
  std::optional<std::string> UnixPath(const std::string& windowsPath) override;
  UnixFileRead ReadUnixFile(const std::string& path) override;
  Outcome WriteUnixFile(const std::string& path, const std::string& bytes) override;
  Outcome RemoveUnixFile(const std::string& path) override;
  std::vector<std::string> UnixFolderFiles(const std::string& folder) override;

  // How a Windows program names a Unix path; nullopt when Wine does not tell.
  std::optional<std::wstring> WindowsPath(const std::string& unixPath);

 private:
  std::optional<bool> underWine_;
};

}  // namespace cindermoor::win32
