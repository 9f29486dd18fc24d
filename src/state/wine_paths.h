// Small helpers for the paths Wine hands a program about its Linux side.
#pragma once

#include <string>
#include <string_view>

namespace cindermoor {

// Wine names its folders as NT paths ("\??\Z:\home\me"); Windows calls take them without the
// "\??\".
inline std::string WithoutNtPrefix(std::string ntPath) {
  constexpr std::string_view kNtPrefix = "\\??\\";
  if (ntPath.starts_with(kNtPrefix)) ntPath.erase(0, kNtPrefix.size());
  return ntPath;
}

// "/home/me/" and "/home/me" name the same folder; the root keeps its one slash.
inline std::string WithoutTrailingSlash(std::string unixPath) {
  while (unixPath.size() > 1 && unixPath.back() == '/') unixPath.pop_back();
  return unixPath;
}

}  // namespace cindermoor
