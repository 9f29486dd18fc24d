#include "ui/win32/file_system_win32.h"

#include <windows.h>

#include <cwctype>
#include <functional>

#include "common/folder_path.h"
#include "win32/text.h"
#include "win32/unique_handle.h"

namespace cindermoor::win32 {
namespace {

UniqueFind StartFind(const std::string& pattern, FINDEX_SEARCH_OPS search,
                     WIN32_FIND_DATAW& found) {
  return UniqueFind(
      ::FindFirstFileExW(Widen(pattern).c_str(), FindExInfoBasic, &found, search, nullptr, 0));
}

bool IsFolder(const WIN32_FIND_DATAW& found) {
  return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsDotEntry(const WIN32_FIND_DATAW& found) {
  const std::wstring_view name = found.cFileName;
  return name == L"." || name == L"..";
}

// The names of the entries matching the pattern that `wanted` accepts; nothing when the
// folder cannot be read. A folder with no matching entry is an empty list.
std::optional<std::vector<std::string>> NamesMatching(
    const std::string& pattern, FINDEX_SEARCH_OPS search,
    const std::function<bool(const WIN32_FIND_DATAW&)>& wanted) {
  WIN32_FIND_DATAW found{};
  UniqueFind find = StartFind(pattern, search, found);
  if (!find) {
    if (::GetLastError() == ERROR_FILE_NOT_FOUND) return std::vector<std::string>{};
    return std::nullopt;
  }
  std::vector<std::string> names;
  do {
    if (wanted(found)) names.push_back(Narrow(found.cFileName));
  } while (::FindNextFileW(find.get(), &found));
  return names;
}

// Windows asks the user to insert a disc when an empty drive is touched; the locator says
// "not ready" itself instead.
class NoDriveErrorBoxes {
 public:
  NoDriveErrorBoxes() { ::SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previous_); }
  NoDriveErrorBoxes(const NoDriveErrorBoxes&) = delete;
  NoDriveErrorBoxes& operator=(const NoDriveErrorBoxes&) = delete;
  ~NoDriveErrorBoxes() { ::SetThreadErrorMode(previous_, nullptr); }

 private:
  DWORD previous_ = 0;
};

// The volume label, or nothing when the drive holds no readable volume.
std::optional<std::wstring> VolumeLabel(const std::wstring& root) {
  NoDriveErrorBoxes quiet;
  wchar_t label[MAX_PATH + 1] = {};
  if (!::GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr,
                               nullptr, 0)) {
    return std::nullopt;
  }
  return std::wstring(label);
}

// "c:" or "c: [LABEL]". Only fixed disks are asked for a label: asking a floppy or disc
// drive would spin it up every time the list is filled.
std::wstring DriveListText(const std::wstring& root) {
  std::wstring text{static_cast<wchar_t>(std::towlower(root[0])), L':'};
  const UINT type = ::GetDriveTypeW(root.c_str());
  if (type != DRIVE_FIXED && type != DRIVE_RAMDISK) return text;
  const auto label = VolumeLabel(root);
  if (label && !label->empty()) text += L" [" + *label + L"]";
  return text;
}

// Written as the lists write folders: only a root keeps its separator.
std::string FullPathOf(const std::wstring& path) {
  const DWORD size = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  std::wstring full(size, L'\0');
  full.resize(::GetFullPathNameW(path.c_str(), size, full.data(), nullptr));
  if (full.size() > 3 && full.back() == L'\\') full.pop_back();
  return Narrow(full);
}

}  // namespace

std::vector<std::string> FileSystemWin32::Drives() {
  const DWORD size = ::GetLogicalDriveStringsW(0, nullptr);
  std::wstring roots(size, L'\0');
  roots.resize(::GetLogicalDriveStringsW(size, roots.data()));
  std::vector<std::string> drives;
  // "C:\", "D:\", ... each ending in a NUL.
  for (size_t start = 0; start < roots.size();) {
    const size_t end = roots.find(L'\0', start);
    const std::wstring root = roots.substr(start, end - start);
    if (!root.empty()) drives.push_back(Narrow(DriveListText(root)));
    if (end == std::wstring::npos) break;
    start = end + 1;
  }
  return drives;
}

std::string FileSystemWin32::CurrentFolder() {
  const DWORD size = ::GetCurrentDirectoryW(0, nullptr);
  std::wstring folder(size, L'\0');
  folder.resize(::GetCurrentDirectoryW(size, folder.data()));
  return Narrow(folder);
}

// "X:" without a separator names the drive's current folder, which Windows resolves.
std::optional<std::string> FileSystemWin32::CurrentFolderOf(const std::string& drive) {
  std::wstring letter = Widen(drive.substr(0, 2));
  letter[0] = static_cast<wchar_t>(std::towupper(letter[0]));
  if (!VolumeLabel(letter + L"\\")) return std::nullopt;
  return FullPathOf(letter);
}

std::optional<std::vector<std::string>> FileSystemWin32::SubFolders(const std::string& folder) {
  NoDriveErrorBoxes quiet;
  return NamesMatching(
      JoinFolder(folder, "*"), FindExSearchLimitToDirectories,
      [](const WIN32_FIND_DATAW& found) { return IsFolder(found) && !IsDotEntry(found); });
}

// Windows matches the pattern itself, as it matches names everywhere: without regard to case.
std::vector<std::string> FileSystemWin32::FilesMatching(const std::string& folder,
                                                        const std::string& pattern) {
  NoDriveErrorBoxes quiet;
  return NamesMatching(JoinFolder(folder, pattern), FindExSearchNameMatch,
                       [](const WIN32_FIND_DATAW& found) { return !IsFolder(found); })
      .value_or(std::vector<std::string>{});
}

}  // namespace cindermoor::win32
