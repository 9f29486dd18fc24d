#include "state/win32/unix_desktop_win32.h"

#include <windows.h>
#include <aclapi.h>

#include <algorithm>

#include "win32/text.h"
#include "win32/unique_handle.h"

namespace cindermoor::win32 {

namespace {

// Wine's path converters hand back memory from the process heap.
void FreeFromProcessHeap(void* memory) { ::HeapFree(::GetProcessHeap(), 0, memory); }
using WineUnixPath = Unique<char*, &FreeFromProcessHeap>;
using WineDosPath = Unique<wchar_t*, &FreeFromProcessHeap>;
using UniqueFind = Unique<HANDLE, &::FindClose>;

using UnixFileNameOf = char*(__cdecl*)(const wchar_t*);
using DosFileNameOf = wchar_t*(__cdecl*)(const char*);

// Looked up at run time: Windows has neither export, and the program must start there.
template <typename Function>
Function Kernel32Export(const char* name) {
  const HMODULE kernel32 = ::GetModuleHandleW(L"kernel32.dll");
  if (!kernel32) return nullptr;
  // Through void*: a FARPROC is cast to the export's real type, which only the name tells.
  return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(kernel32, name)));
}

std::optional<std::wstring> DosPathOf(const std::string& unixPath) {
  static const auto convert = Kernel32Export<DosFileNameOf>("wine_get_dos_file_name");
  if (!convert) return std::nullopt;
  const WineDosPath dos(convert(unixPath.c_str()));
  if (!dos) return std::nullopt;
  return std::wstring(dos.get());
}

std::string Unreachable(const std::string& unixPath) {
  return unixPath + " cannot be reached through Wine's drive mapping.";
}

// CreateFileW reports failure as INVALID_HANDLE_VALUE; the owner holds nullptr for it.
UniqueHandle OpenOwned(const std::wstring& path, DWORD access, DWORD share, DWORD disposition) {
  const HANDLE file = ::CreateFileW(path.c_str(), access, share, nullptr, disposition,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  return UniqueHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
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

bool WriteWhole(HANDLE file, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data() + done, chunk, &written, nullptr)) return false;
    done += written;
  }
  return ::FlushFileBuffers(file) != FALSE;
}

// The file a path names once symlinks are followed: a mimeapps.list kept as a link into the
// user's dotfiles is replaced where it really lives, and the link stays a link. A path that
// names no file yet is its own.
std::wstring FileBehindLinks(const std::wstring& path) {
  const UniqueHandle file =
      OpenOwned(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING);
  if (!file) return path;
  std::wstring resolved(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetFinalPathNameByHandleW(file.get(), resolved.data(),
                                                     static_cast<DWORD>(resolved.size()), 0);
    if (length == 0) return path;
    if (length < resolved.size()) return resolved.substr(0, length);
    resolved.resize(length);
  }
}

// The access a file gives, as Wine describes its Unix permission bits to Windows programs.
std::optional<std::string> AccessOf(const std::wstring& path) {
  PACL dacl = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (::GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                              nullptr, &dacl, nullptr, &descriptor) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::string access;
  if (dacl) access.assign(reinterpret_cast<const char*>(dacl), dacl->AclSize);
  ::LocalFree(descriptor);
  return access;
}

}  // namespace

// On Windows this is the whole cost of the Linux side: one lookup, once.
bool UnixDesktopWin32::UnderWine() {
  if (!underWine_) {
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    underWine_ = ntdll && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
  }
  return *underWine_;
}

std::optional<std::string> UnixDesktopWin32::Environment(const std::string& name) {
  const std::wstring wideName = Widen(name);
  const DWORD size = ::GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
  if (size == 0) return std::nullopt;
  std::wstring value(size, L'\0');
  const DWORD length = ::GetEnvironmentVariableW(wideName.c_str(), value.data(), size);
  if (length == 0 || length >= size) return std::nullopt;
  value.resize(length);
  return Narrow(value);
}

std::optional<std::string> UnixDesktopWin32::UnixPath(const std::string& windowsPath) {
  static const auto convert = Kernel32Export<UnixFileNameOf>("wine_get_unix_file_name");
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
    return {State::Unreadable, DescribeError("Could not read " + path, error)};
  }
  std::string bytes;
  char buffer[16384];
  for (;;) {
    DWORD got = 0;
    if (!::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) {
      return {State::Unreadable, DescribeError("Could not read " + path, ::GetLastError())};
    }
    if (got == 0) break;
    bytes.append(buffer, got);
  }
  return {State::Read, std::move(bytes)};
}

Outcome UnixDesktopWin32::WriteUnixFile(const std::string& path, const std::string& bytes) {
  const std::optional<std::wstring> dos = DosPathOf(path);
  if (!dos) return Outcome::Failure(Unreachable(path));
  CreateFoldersAbove(*dos);
  const std::wstring target = FileBehindLinks(*dos);
  const DWORD attributes = ::GetFileAttributesW(target.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (exists && (attributes & FILE_ATTRIBUTE_READONLY)) {
    return Outcome::Failure(path + " is read-only, so it was left as it is.");
  }
  const std::wstring beside = target + L".new";
  // Once made, the new file is ours alone: whatever fails, it goes (after its handle is closed,
  // as a file still open without shared delete access cannot be deleted).
  const auto failure = [&](const std::string& what, DWORD error) {
    ::DeleteFileW(beside.c_str());
    return Outcome::Failure(DescribeError(what + path, error));
  };
  {
    UniqueHandle file = OpenOwned(beside, GENERIC_WRITE, 0, CREATE_ALWAYS);
    if (!file) {
      return Outcome::Failure(DescribeError("Could not write " + path, ::GetLastError()));
    }
    if (!WriteWhole(file.get(), bytes)) {
      const DWORD error = ::GetLastError();
      file.reset();
      return failure("Could not write ", error);
    }
  }
  // A program under Wine can give a new file only the usual permissions: a file kept with
  // others (say, private to its owner) stays as it is rather than being opened up.
  if (exists && AccessOf(target) != AccessOf(beside)) {
    ::DeleteFileW(beside.c_str());
    return Outcome::Failure(path +
                            " has permissions that this program cannot give a file it "
                            "writes, so it was left as it is.");
  }
  if (!::MoveFileExW(beside.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return failure("Could not replace ", ::GetLastError());
  }
  return Outcome::Success();
}

Outcome UnixDesktopWin32::RemoveUnixFile(const std::string& path) {
  const std::optional<std::wstring> dos = DosPathOf(path);
  if (!dos) return Outcome::Failure(Unreachable(path));
  if (::DeleteFileW(dos->c_str()) || IsMissing(::GetLastError())) return Outcome::Success();
  return Outcome::Failure(DescribeError("Could not remove " + path, ::GetLastError()));
}

std::vector<std::string> UnixDesktopWin32::UnixFolderFiles(const std::string& folder) {
  std::vector<std::string> names;
  const std::optional<std::wstring> dos = DosPathOf(folder);
  if (!dos) return names;
  WIN32_FIND_DATAW found{};
  const HANDLE first = ::FindFirstFileExW((*dos + L"\\*").c_str(), FindExInfoBasic, &found,
                                          FindExSearchNameMatch, nullptr, 0);
  // FindFirstFileExW reports failure as INVALID_HANDLE_VALUE; the owner holds nullptr for it.
  const UniqueFind search(first == INVALID_HANDLE_VALUE ? nullptr : first);
  if (!search) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      names.push_back(Narrow(found.cFileName));
    }
  } while (::FindNextFileW(search.get(), &found));
  return names;
}

}  // namespace cindermoor::win32
