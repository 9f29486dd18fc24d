// Small helpers for the paths Wine hands a program about its Linux side.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace cindermoor {

// Wine names its folders as NT paths: "\??\Z:\home\me" through a drive, or, in a prefix
// without a drive that reaches the folder, "\??\unix\home\me". Windows calls take the first
// without its "\??\" and the second in the "\\?\unix\" form: cut to "unix\home\me" it would be
// a path relative to the working folder.
inline std::string WindowsPathOfNtPath(std::string ntPath) {
  constexpr std::string_view kNtPrefix = "\\??\\";
  if (!ntPath.starts_with(kNtPrefix)) return ntPath;
  const std::string_view rest = std::string_view(ntPath).substr(kNtPrefix.size());
  if (rest.size() >= 2 && rest[1] == ':') return ntPath.erase(0, kNtPrefix.size());
  ntPath[1] = '\\';
  return ntPath;
}

// A Unix path as Wine lets Windows calls reach it in any prefix, with or without a Z: drive.
inline std::string WindowsPathOfUnixPath(const std::string& unixPath) {
  std::string windowsPath = "\\\\?\\unix" + unixPath;
  std::replace(windowsPath.begin(), windowsPath.end(), '/', '\\');
  return windowsPath;
}

// "/home/me/" and "/home/me" name the same folder; the root keeps its one slash.
inline std::string WithoutTrailingSlash(std::string unixPath) {
  while (unixPath.size() > 1 && unixPath.back() == '/') unixPath.pop_back();
  return unixPath;
}

}  // namespace cindermoor
