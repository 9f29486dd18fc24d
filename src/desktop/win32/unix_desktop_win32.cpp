#include "desktop/win32/unix_desktop_win32.h"

#include <windows.h>

#include "desktop/win32/unix_files_win32.h"
#include "text/text.h"
#include "win32/environment_variable.h"
#include "win32/library_function.h"
#include "win32/text.h"
#include "win32/unique_handle.h"

namespace cindermoor::win32 {

namespace {

// Wine's path converters hand back memory from the process heap.
void FreeFromProcessHeap(void* memory) { ::HeapFree(::GetProcessHeap(), 0, memory); }
using WineUnixPath = Unique<char*, &FreeFromProcessHeap>;
using WineDosPath = Unique<wchar_t*, &FreeFromProcessHeap>;

using UnixFileNameOf = char*(__cdecl*)(const wchar_t*);
using DosFileNameOf = wchar_t*(__cdecl*)(const char*);

// Wine's kernel32 alone has these, so they are looked up at run time: the program must start
// on Windows too.
std::optional<std::wstring> DosPathOf(const std::string& unixPath) {
  static const auto convert =
      LibraryFunction<DosFileNameOf>(L"kernel32.dll", "wine_get_dos_file_name");
  if (!convert) return std::nullopt;
  const WineDosPath dos(convert(unixPath.c_str()));
  if (!dos) return std::nullopt;
  return std::wstring(dos.get());
}

std::string Unreachable(const std::string& unixPath) {
  return Text("desktop.path_unreachable", {{"path", unixPath}});
}

bool IsMissing(DWORD error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// Creates every missing folder above the file, as `mkdir -p` would.
void CreateFoldersAbove(const std::wstring& file) {
  for (std::size_t slash = file.find(L'\\', 3); slash != std::wstring::npos;
       slash = file.find(L'\\', slash + 1)) {
    ::CreateDirectoryW(file.substr(0, slash).c_str(), nullptr);
  }
}

}  // namespace

// On Windows this is the whole cost of the Linux side: one lookup, once.
bool UnixDesktopWin32::UnderWine() {
  if (!underWine_) {
    underWine_ = LibraryFunction<FARPROC>(L"ntdll.dll", "wine_get_version") != nullptr;
  }
  return *underWine_;
}

std::optional<std::string> UnixDesktopWin32::Environment(const std::string& name) {
  const std::optional<std::wstring> value = EnvironmentVariable(Widen(name).c_str());
  if (!value) return std::nullopt;
  return Narrow(*value);
}

std::optional<std::string> UnixDesktopWin32::UnixPath(const std::string& windowsPath) {
  static const auto convert =
      LibraryFunction<UnixFileNameOf>(L"kernel32.dll", "wine_get_unix_file_name");
  if (!convert) return std::nullopt;
  const WineUnixPath unixPath(convert(Widen(windowsPath).c_str()));
  if (!unixPath) return std::nullopt;
  return std::string(unixPath.get());
}

std::optional<std::wstring> UnixDesktopWin32::WindowsPath(const std::string& unixPath) {
  return DosPathOf(unixPath);
}

UnixFileRead UnixDesktopWin32::ReadUnixFile(const std::string& path) {
  using State = UnixFileRead::State;
  const std::optional<std::wstring> dos = DosPathOf(path);
  if (!dos) return {State::Unreadable, Unreachable(path)};
  const UniqueHandle file = OpenOwned(
      *dos, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING);
  if (!file) {
    const DWORD error = ::GetLastError();
    if (IsMissing(error)) return {State::Absent, {}};
    return {State::Unreadable,
            DescribeError(Text("desktop.could_not_read", {{"path", path}}), error)};
  }
  std::string bytes;
  if (!ReadWhole(file.get(), bytes)) {
    return {State::Unreadable,
            DescribeError(Text("desktop.could_not_read", {{"path", path}}), ::GetLastError())};
  }
  return {State::Read, std::move(bytes)};
}

Outcome UnixDesktopWin32::WriteUnixFile(const std::string& path, const std::string& bytes) {
  const std::optional<std::wstring> dos = DosPathOf(path);
  if (!dos) return Outcome::Failure(Unreachable(path));
  CreateFoldersAbove(*dos);
  return WriteKeepingTheFile(*dos, bytes, path);
}

Outcome UnixDesktopWin32::RemoveUnixFile(const std::string& path) {
  const std::optional<std::wstring> dos = DosPathOf(path);
  if (!dos) return Outcome::Failure(Unreachable(path));
  if (::DeleteFileW(dos->c_str()) || IsMissing(::GetLastError())) return Outcome::Success();
  return Outcome::Failure(
      DescribeError(Text("desktop.could_not_remove", {{"path", path}}), ::GetLastError()));
}

std::vector<std::string> UnixDesktopWin32::UnixFolderFiles(const std::string& folder) {
  std::vector<std::string> names;
  const std::optional<std::wstring> dos = DosPathOf(folder);
  if (!dos) return names;
  WIN32_FIND_DATAW found{};
  const UniqueFind search(::FindFirstFileExW((*dos + L"\\*").c_str(), FindExInfoBasic, &found,
                                             FindExSearchNameMatch, nullptr, 0));
  if (!search) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      names.push_back(Narrow(found.cFileName));
    }
  } while (::FindNextFileW(search.get(), &found));
  return names;
}

}  // namespace cindermoor::win32
