// A throwaway folder tree under the user's temporary folder, removed again at the end:
// <root>\Games\Tribes\TRIBES.EXE beside other files, and a few folders around it.
#pragma once

#include <string>

namespace cindermoor::win32::testing {

class TempFolderTree {
 public:
  TempFolderTree();
  TempFolderTree(const TempFolderTree&) = delete;
  TempFolderTree& operator=(const TempFolderTree&) = delete;
  ~TempFolderTree();

  const std::string& Root() const { return root_; }
  std::string Games() const { return root_ + "\\Games"; }
  std::string Tribes() const { return root_ + "\\Games\\Tribes"; }

 private:
  std::string root_;
};

}  // namespace cindermoor::win32::testing
