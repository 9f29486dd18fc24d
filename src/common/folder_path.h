// Joining a folder and a file name the way Windows paths are written.
#pragma once

#include <string>

namespace cindermoor {

// Adds the "\" separator unless the folder already ends with one (a drive root such as "C:\").
inline std::string JoinFolder(const std::string& folder, const std::string& fileName) {
  if (!folder.empty() && folder.back() == '\\') return folder + fileName;
  return folder + "\\" + fileName;
}

// The running program as Windows reports it: its folder ("C:\Games", or "C:\" for a drive
// root) and its own file name, which a user may have changed from "launcher.exe".
struct ProgramFile {
  std::string folder;
  std::string name;
  std::string Path() const { return JoinFolder(folder, name); }
};

}  // namespace cindermoor
