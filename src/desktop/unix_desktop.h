// What the program needs from the Linux side when it runs under Wine: the environment Wine
// hands it, Unix paths, and the user's files there.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/outcome.h"

namespace cindermoor {

// A file read: its bytes, or that it is not there, or why it could not be read.
struct UnixFileRead {
  enum class State { Read, Absent, Unreadable };
  State state = State::Absent;
  std::string text;  // the bytes when Read; the reason, for a user, when Unreadable
};

class UnixDesktop {
 public:
  virtual ~UnixDesktop() = default;

  // Whether the program runs under Wine; nothing else is asked when it does not.
  virtual bool UnderWine() = 0;
  // A variable of the program's environment; nullopt when it is not set.
  virtual std::optional<std::string> Environment(const std::string& name) = 0;
  // The Unix path of a Windows path; nullopt when Wine's drive mapping does not reach it.
  virtual std::optional<std::string> UnixPath(const std::string& windowsPath) = 0;

  // Paths below are Unix paths.
  virtual UnixFileRead ReadUnixFile(const std::string& path) = 0;
  // Creates missing folders and writes the whole file, so that the old content stays whole
  // whatever happens on the way and the file stays the kind of file it was: a symlink (even
  // one whose file is not there yet) stays a link, permissions and hard links stay.
  virtual Outcome WriteUnixFile(const std::string& path, const std::string& bytes) = 0;
  // A file that is not there counts as removed.
  virtual Outcome RemoveUnixFile(const std::string& path) = 0;
  // The names of the files (not sub-folders) directly in a folder, in no particular order;
  // none when the folder is not there or cannot be read.
  virtual std::vector<std::string> UnixFolderFiles(const std::string& folder) = 0;
};

}  // namespace cindermoor
