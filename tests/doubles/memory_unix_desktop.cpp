#include "doubles/memory_unix_desktop.h"

namespace cindermoor {

std::optional<std::string> MemoryUnixDesktop::Environment(const std::string& name) {
  const auto found = environment.find(name);
  if (found == environment.end()) return std::nullopt;
  return found->second;
}

// Z: maps to the Unix root, as Wine's default prefix does, and so does Wine's "\\?\unix"
// in any prefix; other drives reach nothing.
std::optional<std::string> MemoryUnixDesktop::UnixPath(const std::string& windowsPath) {
  std::string unixPath;
  if (windowsPath.starts_with("Z:\\")) {
    unixPath = windowsPath.substr(2);
  } else if (windowsPath.starts_with("\\\\?\\unix\\")) {
    unixPath = windowsPath.substr(8);
  } else {
    return std::nullopt;
  }
  for (char& c : unixPath) {
    if (c == '\\') c = '/';
  }
  return unixPath;
}

UnixFileRead MemoryUnixDesktop::ReadUnixFile(const std::string& path) {
  if (unreadable.count(path)) return {UnixFileRead::State::Unreadable, "cannot read " + path};
  const auto found = files.find(path);
  if (found == files.end()) return {UnixFileRead::State::Absent, {}};
  return {UnixFileRead::State::Read, found->second};
}

Outcome MemoryUnixDesktop::WriteUnixFile(const std::string& path, const std::string& bytes) {
  if (readOnly.count(path)) return Outcome::Failure("cannot write " + path);
  files[path] = bytes;
  ++writes;
  return Outcome::Success();
}

Outcome MemoryUnixDesktop::RemoveUnixFile(const std::string& path) {
  if (readOnly.count(path)) return Outcome::Failure("cannot remove " + path);
  writes += static_cast<int>(files.erase(path));
  return Outcome::Success();
}

// A folder holds the files whose paths continue it with one more name; deeper ones are in its
// sub-folders.
std::vector<std::string> MemoryUnixDesktop::UnixFolderFiles(const std::string& folder) {
  listed.push_back(folder);
  const std::string prefix = folder + "/";
  std::vector<std::string> names;
  for (const auto& [path, bytes] : files) {
    if (path.starts_with(prefix) && path.find('/', prefix.size()) == std::string::npos) {
      names.push_back(path.substr(prefix.size()));
    }
  }
  return names;
}

}  // namespace cindermoor
