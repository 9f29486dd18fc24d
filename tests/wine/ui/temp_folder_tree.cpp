#include "temp_folder_tree.h"

#include <windows.h>

#include <filesystem>
#include <fstream>

#include "win32/text.h"

namespace cindermoor::win32::testing {
namespace {

void MakeFile(const std::filesystem::path& path) { std::ofstream(path) << "x"; }

}  // namespace

TempFolderTree::TempFolderTree() {
  std::wstring temp(MAX_PATH + 1, L'\0');
  temp.resize(::GetTempPathW(MAX_PATH + 1, temp.data()));
  const std::filesystem::path root =
      std::filesystem::path(temp) / ("cm-locator-" + std::to_string(::GetCurrentProcessId()));
  std::filesystem::remove_all(root);
  std::filesystem::create_directories(root / "Games" / "Tribes" / "base");
  std::filesystem::create_directories(root / "Games" / "Other");
  MakeFile(root / "Games" / "Tribes" / "TRIBES.EXE");
  MakeFile(root / "Games" / "Tribes" / "readme.txt");
  MakeFile(root / "Games" / "Tribes" / "Tribes.exe.bak");
  MakeFile(root / "Games" / "setup.exe");
  root_ = Narrow(root.wstring());
}

TempFolderTree::~TempFolderTree() {
  std::error_code ignored;
  std::filesystem::remove_all(std::filesystem::path(Widen(root_)), ignored);
}

}  // namespace cindermoor::win32::testing
