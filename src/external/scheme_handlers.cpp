#include "external/scheme_handlers.h"

#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "desktop/key_file.h"
#include "desktop/xdg_folders.h"

namespace cindermoor {

namespace {

// No read can return a NUL, so this default tells a missing value from an empty one.
const std::string kAbsent(1, '\0');

std::string ClassKey(const std::string& scheme) { return "Software\\Classes\\" + scheme; }
std::string CommandKey(const std::string& scheme) {
  return ClassKey(scheme) + "\\shell\\open\\command";
}
std::string MimeTypeOf(std::string_view scheme) {
  return "x-scheme-handler/" + std::string(scheme);
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
std::vector<std::string> EntriesTheCacheNames(std::string_view mimeInfoCache,
                                              std::string_view scheme) {
  const std::string mimeType = MimeTypeOf(scheme);
  std::vector<std::string> names;
  ForEachEntryOf(mimeInfoCache, "[MIME Cache]", [&](std::string_view key, std::string_view value) {
    if (!SameMimeType(key, mimeType)) return true;
    for (std::string_view name : ListItems(value)) names.emplace_back(name);
    return false;
  });
  return names;
}

// The entries the folder's cache names, or without a cache, every file of the folder.
std::vector<std::string> EntriesToRead(UnixDesktop& desktop, FolderListings& listings,
                                       std::size_t index, std::string_view scheme) {
  const UnixFileRead cache = desktop.ReadUnixFile(listings.Folder(index) + "/mimeinfo.cache");
  if (cache.state == UnixFileRead::State::Read) return EntriesTheCacheNames(cache.text, scheme);
  const std::set<std::string>& names = listings.NamesIn(index);
  return {names.begin(), names.end()};
}

}  // namespace

// Only the main group counts, and only its unlocalised keys; MIME types ignore letter case.
bool DeclaresScheme(std::string_view desktopEntry, std::string_view scheme) {
  const std::string mimeType = MimeTypeOf(scheme);
  bool hidden = false;
  bool declares = false;
  ForEachEntryOf(desktopEntry, "[Desktop Entry]",
                 [&](std::string_view key, std::string_view value) {
                   hidden = key == "Hidden" && value == "true";
                   if (key == "MimeType") declares = ListHoldsMimeType(value, mimeType);
                   return !hidden;
                 });
  return declares && !hidden;
}

SchemeHandlers::SchemeHandlers(Registry& registry, UnixDesktop& unixDesktop)
    : registry_(registry), unixDesktop_(unixDesktop) {}

// The shell prefers a Windows class, so under Wine the Linux side is asked only without one.
SchemeRoad SchemeHandlers::Find(const std::string& scheme) {
  if (HasWindowsClass(RegRoot::CurrentUser, scheme) ||
      HasWindowsClass(RegRoot::LocalMachine, scheme)) {
    return SchemeRoad::WindowsClass;
  }
  if (unixDesktop_.UnderWine() && HasLinuxEntry(scheme)) return SchemeRoad::LinuxDesktop;
  return SchemeRoad::None;
}

// A URL class is one with "URL Protocol"; without a command the shell could not open it.
bool SchemeHandlers::HasWindowsClass(RegRoot root, const std::string& scheme) {
  return registry_.GetRegString(root, ClassKey(scheme), "URL Protocol", kAbsent) != kAbsent &&
         !registry_.GetRegString(root, CommandKey(scheme), "", "").empty();
}

std::string SchemeHandlers::WindowsClassCommand(const std::string& scheme) {
  for (const RegRoot root : {RegRoot::CurrentUser, RegRoot::LocalMachine}) {
    if (HasWindowsClass(root, scheme)) {
      return registry_.GetRegString(root, CommandKey(scheme), "", "");
    }
  }
  return {};
}

// An entry in an earlier folder hides one of the same name in a later folder, as the desktop's
// own tools read them. A folder's mimeinfo.cache names the entries that declare the scheme, so
// only those are read; the entries of a folder without one are all read.
bool SchemeHandlers::HasLinuxEntry(const std::string& scheme) {
  if (linuxEntriesFound_.contains(scheme)) return true;
  FolderListings listings(unixDesktop_, ApplicationFolders(unixDesktop_));
  for (std::size_t index = 0; index < listings.Count(); ++index) {
    const std::string& folder = listings.Folder(index);
    for (const std::string& name : EntriesToRead(unixDesktop_, listings, index, scheme)) {
      if (!name.ends_with(".desktop") || listings.HeldBefore(index, name)) continue;
      const UnixFileRead entry = unixDesktop_.ReadUnixFile(folder + "/" + name);
      if (entry.state == UnixFileRead::State::Read && DeclaresScheme(entry.text, scheme)) {
        linuxEntriesFound_.insert(scheme);
        return true;
      }
    }
  }
  return false;
}

}  // namespace cindermoor
