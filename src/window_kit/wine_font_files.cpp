#include "window_kit/wine_font_files.h"

#include <algorithm>
#include <optional>

#include "desktop/wine_paths.h"

namespace cindermoor {
namespace {

// The folder `levels` above a Unix file's own; nullopt when the path is not that deep.
std::optional<std::string> FolderAbove(std::string unixPath, int levels) {
  for (int level = 0; level <= levels; ++level) {
    const std::size_t slash = unixPath.find_last_of('/');
    if (slash == std::string::npos || slash == 0) return std::nullopt;
    unixPath.resize(slash);
  }
  return unixPath;
}

}  // namespace

std::vector<std::string> WineFontFiles(UnixDesktop& desktop, const std::string& fontFile) {
  std::vector<std::string> files;
  const auto add = [&files](const std::string& file) {
    if (std::find(files.begin(), files.end(), file) == files.end()) files.push_back(file);
  };
  // The data folder Wine was built with: its fonts are in "fonts" below it.
  if (const std::optional<std::string> ntData = desktop.Environment("WINEDATADIR")) {
    const std::string data = WindowsPathOfNtPath(*ntData);
    if (!data.empty()) add(data + "\\fonts\\" + fontFile);
  }
  // The loader sits in lib/wine (Debian: /usr/lib/wine/wine64) or bin (WineHQ's builds:
  // /opt/wine-stable/bin/wine64); the data folder is share/wine beside either.
  if (const std::optional<std::string> loader = desktop.Environment("WINELOADER")) {
    for (int levels : {2, 1}) {
      if (const std::optional<std::string> root = FolderAbove(*loader, levels)) {
        add(WindowsPathOfUnixPath(*root + "/share/wine/fonts/" + fontFile));
      }
    }
  }
  return files;
}

}  // namespace cindermoor
