#include "desktop/xdg_folders.h"

#include <algorithm>

#include "desktop/wine_paths.h"

namespace cindermoor {

namespace {

// What the base directories name for an XDG_DATA_DIRS that is not set or empty.
constexpr const char* kDefaultDataDirs = "/usr/local/share/:/usr/share/";

// Relative folders do not count, as the base directories say.
std::vector<std::string> DataDirs(UnixDesktop& desktop) {
  std::string dirs = desktop.Environment("XDG_DATA_DIRS").value_or("");
  if (dirs.empty()) dirs = kDefaultDataDirs;
  std::vector<std::string> folders;
  for (std::size_t start = 0; start <= dirs.size();) {
    const std::size_t end = std::min(dirs.find(':', start), dirs.size());
    const std::string folder = dirs.substr(start, end - start);
    if (folder.starts_with('/')) folders.push_back(WithoutTrailingSlash(folder));
    start = end + 1;
  }
  return folders;
}

}  // namespace

std::optional<std::string> UnixFolderNamedBy(UnixDesktop& desktop, const std::string& variable) {
  const std::optional<std::string> ntPath = desktop.Environment(variable);
  if (!ntPath) return std::nullopt;
  return desktop.UnixPath(WindowsPathOfNtPath(*ntPath));
}

// A variable counts only when it holds an absolute path.
std::optional<std::string> XdgFolder(UnixDesktop& desktop, const std::string& variable,
                                     const std::string& underHome) {
  const std::optional<std::string> set = desktop.Environment(variable);
  if (set && set->starts_with('/')) return WithoutTrailingSlash(*set);
  const std::optional<std::string> home = UnixFolderNamedBy(desktop, "WINEHOMEDIR");
  if (!home) return std::nullopt;
  return WithoutTrailingSlash(*home) + underHome;
}

std::vector<std::string> ApplicationFolders(UnixDesktop& desktop) {
  std::vector<std::string> data;
  if (std::optional<std::string> home = XdgFolder(desktop, "XDG_DATA_HOME", "/.local/share")) {
    data.push_back(std::move(*home));
  }
  for (std::string& folder : DataDirs(desktop)) data.push_back(std::move(folder));
  std::vector<std::string> applications;
  for (const std::string& folder : data) {
    applications.push_back((folder == "/" ? "" : folder) + "/applications");
  }
  return applications;
}

}  // namespace cindermoor
