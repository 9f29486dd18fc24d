#include "external/mumble_handlers.h"

#include <algorithm>
#include <optional>
#include <set>

#include "desktop/wine_paths.h"

namespace cindermoor {

namespace {

constexpr const char* kClassKey = "Software\\Classes\\mumble";
constexpr const char* kCommandKey = "Software\\Classes\\mumble\\shell\\open\\command";
constexpr std::string_view kMimeType = "x-scheme-handler/mumble";
constexpr std::string_view kBlanks = " \t\r";
// No read can return a NUL, so this default tells a missing value from an empty one.
const std::string kAbsent(1, '\0');

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool SameLetters(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return (x >= 'A' && x <= 'Z' ? x + 32 : x) == (y >= 'A' && y <= 'Z' ? y + 32 : y);
  });
}

bool ListHolds(std::string_view list, std::string_view wanted) {
  for (std::size_t start = 0; start <= list.size();) {
    const std::size_t end = std::min(list.find(';', start), list.size());
    if (SameLetters(Trimmed(list.substr(start, end - start)), wanted)) return true;
    start = end + 1;
  }
  return false;
}

// Calls `onEntry(key, value)` for each "key=value" line of the group named `header`, both
// trimmed, until it returns false. Desktop entries and the MIME cache share this shape.
template <typename OnEntry>
void ForEachEntryOf(std::string_view text, std::string_view header, OnEntry onEntry) {
  bool inGroup = false;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view line = Trimmed(text.substr(start, end - start));
    start = end + 1;
    if (line.starts_with('[')) {
      inGroup = line == header;
      continue;
    }
    const std::size_t equals = line.find('=');
    if (!inGroup || equals == std::string_view::npos) continue;
    if (!onEntry(Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1)))) return;
  }
}

}  // namespace

// The cache's one group maps each MIME type to the entries that declare it.
bool CacheNamesMumbleEntry(std::string_view mimeInfoCache, std::string_view entryName) {
  bool named = false;
  ForEachEntryOf(mimeInfoCache, "[MIME Cache]", [&](std::string_view key, std::string_view value) {
    named = SameLetters(key, kMimeType) && ListHolds(value, entryName);
    return !named;
  });
  return named;
}

// Only the main group counts, and only its unlocalised keys; MIME types ignore letter case.
bool DeclaresMumbleLinks(std::string_view desktopEntry) {
  bool hidden = false;
  bool declares = false;
  ForEachEntryOf(desktopEntry, "[Desktop Entry]",
                 [&](std::string_view key, std::string_view value) {
                   hidden = key == "Hidden" && value == "true";
                   if (key == "MimeType") declares = ListHolds(value, kMimeType);
                   return !hidden;
                 });
  return declares && !hidden;
}

MumbleHandlers::MumbleHandlers(Registry& registry, UnixDesktop& unixDesktop)
    : registry_(registry), unixDesktop_(unixDesktop) {}

// The shell prefers a Windows class, so under Wine the Linux side is asked only without one.
MumbleRoad MumbleHandlers::Find() {
  if (HasWindowsClass(RegRoot::CurrentUser) || HasWindowsClass(RegRoot::LocalMachine)) {
    return MumbleRoad::WindowsClass;
  }
  if (unixDesktop_.UnderWine() && HasLinuxEntry()) return MumbleRoad::LinuxDesktop;
  return MumbleRoad::None;
}

// A URL class is one with "URL Protocol"; without a command the shell could not open it.
bool MumbleHandlers::HasWindowsClass(RegRoot root) {
  return registry_.GetRegString(root, kClassKey, "URL Protocol", kAbsent) != kAbsent &&
         !registry_.GetRegString(root, kCommandKey, "", "").empty();
}

std::string MumbleHandlers::WindowsClassCommand() {
  for (const RegRoot root : {RegRoot::CurrentUser, RegRoot::LocalMachine}) {
    if (HasWindowsClass(root)) return registry_.GetRegString(root, kCommandKey, "", "");
  }
  return {};
}

// An entry in an earlier folder hides one of the same name in a later folder, as the desktop's
// own tools read them. A folder's mimeinfo.cache names the entries that declare the scheme, so
// only those are read; the entries of a folder without one are all read.
bool MumbleHandlers::HasLinuxEntry() {
  if (linuxEntryFound_) return true;
  std::set<std::string> seen;
  for (const std::string& folder : ApplicationFolders()) {
    const std::vector<std::string> names = unixDesktop_.UnixFolderFiles(folder);
    const UnixFileRead cache = unixDesktop_.ReadUnixFile(folder + "/mimeinfo.cache");
    const bool cached = cache.state == UnixFileRead::State::Read;
    for (const std::string& name : names) {
      if (!name.ends_with(".desktop") || !seen.insert(name).second) continue;
      if (cached && !CacheNamesMumbleEntry(cache.text, name)) continue;
      const UnixFileRead entry = unixDesktop_.ReadUnixFile(folder + "/" + name);
      if (entry.state == UnixFileRead::State::Read && DeclaresMumbleLinks(entry.text)) {
        linuxEntryFound_ = true;
        return true;
      }
    }
  }
  return false;
}

// The user's folder first, then the system's, as the XDG base directories name them; a
// variable counts only when it holds absolute paths.
std::vector<std::string> MumbleHandlers::ApplicationFolders() {
  std::vector<std::string> dataFolders;
  const std::optional<std::string> dataHome = unixDesktop_.Environment("XDG_DATA_HOME");
  if (dataHome && dataHome->starts_with('/')) {
    dataFolders.push_back(*dataHome);
  } else if (const std::optional<std::string> home = unixDesktop_.Environment("WINEHOMEDIR")) {
    if (const auto unixHome = unixDesktop_.UnixPath(WindowsPathOfNtPath(*home))) {
      dataFolders.push_back(WithoutTrailingSlash(*unixHome) + "/.local/share");
    }
  }
  std::string dataDirs = unixDesktop_.Environment("XDG_DATA_DIRS").value_or("");
  if (dataDirs.empty()) dataDirs = "/usr/local/share:/usr/share";
  for (std::size_t start = 0; start <= dataDirs.size();) {
    const std::size_t end = std::min(dataDirs.find(':', start), dataDirs.size());
    const std::string folder = dataDirs.substr(start, end - start);
    if (folder.starts_with('/')) dataFolders.push_back(folder);
    start = end + 1;
  }
  std::vector<std::string> applications;
  for (const std::string& folder : dataFolders) {
    applications.push_back(WithoutTrailingSlash(folder) + "/applications");
  }
  return applications;
}

}  // namespace cindermoor
