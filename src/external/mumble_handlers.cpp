#include "external/mumble_handlers.h"

#include <algorithm>
#include <optional>
#include <set>
#include <utility>

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

std::vector<std::string_view> ListItems(std::string_view list) {
  std::vector<std::string_view> items;
  for (std::size_t start = 0; start <= list.size();) {
    const std::size_t end = std::min(list.find(';', start), list.size());
    items.push_back(Trimmed(list.substr(start, end - start)));
    start = end + 1;
  }
  return items;
}

bool ListHolds(std::string_view list, std::string_view wanted) {
  const std::vector<std::string_view> items = ListItems(list);
  return std::any_of(items.begin(), items.end(),
                     [&](std::string_view item) { return SameLetters(item, wanted); });
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

// The files of each applications folder, listed when first needed: a large system folder that
// has its cache is never listed.
class FolderListings {
 public:
  FolderListings(UnixDesktop& desktop, std::vector<std::string> folders)
      : desktop_(desktop), folders_(std::move(folders)), names_(folders_.size()) {}

  std::size_t Count() const { return folders_.size(); }
  const std::string& Folder(std::size_t index) const { return folders_[index]; }

  const std::set<std::string>& NamesIn(std::size_t index) {
    if (!names_[index]) {
      const std::vector<std::string> files = desktop_.UnixFolderFiles(folders_[index]);
      names_[index].emplace(files.begin(), files.end());
    }
    return *names_[index];
  }

  // Whether a folder before this one holds a file of that name.
  bool HeldBefore(std::size_t index, const std::string& name) {
    for (std::size_t earlier = 0; earlier < index; ++earlier) {
      if (NamesIn(earlier).contains(name)) return true;
    }
    return false;
  }

 private:
  UnixDesktop& desktop_;
  std::vector<std::string> folders_;
  std::vector<std::optional<std::set<std::string>>> names_;
};

// The cache's one group maps each MIME type to the entries that declare it.
std::vector<std::string> EntriesTheCacheNames(std::string_view mimeInfoCache) {
  std::vector<std::string> names;
  ForEachEntryOf(mimeInfoCache, "[MIME Cache]", [&](std::string_view key, std::string_view value) {
    if (!SameLetters(key, kMimeType)) return true;
    for (std::string_view name : ListItems(value)) names.emplace_back(name);
    return false;
  });
  return names;
}

// The entries the folder's cache names, or without a cache, every file of the folder.
std::vector<std::string> EntriesToRead(UnixDesktop& desktop, FolderListings& listings,
                                       std::size_t index) {
  const UnixFileRead cache = desktop.ReadUnixFile(listings.Folder(index) + "/mimeinfo.cache");
  if (cache.state == UnixFileRead::State::Read) return EntriesTheCacheNames(cache.text);
  const std::set<std::string>& names = listings.NamesIn(index);
  return {names.begin(), names.end()};
}

}  // namespace

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
  FolderListings listings(unixDesktop_, ApplicationFolders());
  for (std::size_t index = 0; index < listings.Count(); ++index) {
    const std::string& folder = listings.Folder(index);
    for (const std::string& name : EntriesToRead(unixDesktop_, listings, index)) {
      if (!name.ends_with(".desktop") || listings.HeldBefore(index, name)) continue;
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
