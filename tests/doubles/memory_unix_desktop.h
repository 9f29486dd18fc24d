// A Linux side kept in memory: an environment, a drive mapping of Z: to the Unix root, and
// files that can be made unreadable or refuse writes, as a read-only folder would.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>

#include "desktop/unix_desktop.h"

namespace cindermoor {

class MemoryUnixDesktop : public UnixDesktop {
 public:
  bool UnderWine() override { return underWine; }
  std::optional<std::string> Environment(const std::string& name) override;
  std::optional<std::string> UnixPath(const std::string& windowsPath) override;
  UnixFileRead ReadUnixFile(const std::string& path) override;
  Outcome WriteUnixFile(const std::string& path, const std::string& bytes) override;
  Outcome RemoveUnixFile(const std::string& path) override;
  std::vector<std::string> UnixFolderFiles(const std::string& folder) override;

  bool underWine = false;
  std::map<std::string, std::string> environment;
  std::map<std::string, std::string> files;
  std::set<std::string> unreadable;  // files whose reads fail
  std::set<std::string> readOnly;    // files whose writes and removal fail
  int writes = 0;                    // successful writes and removals
  std::vector<std::string> listed;   // folders listed, in order
};

}  // namespace cindermoor
