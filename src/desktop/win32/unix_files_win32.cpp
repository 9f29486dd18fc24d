#include "desktop/win32/unix_files_win32.h"

#include <aclapi.h>

#include <algorithm>
#include <optional>

#include "text/text.h"
#include "win32/text.h"

namespace cindermoor::win32 {

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

using UniqueLocal = Unique<HLOCAL, &::LocalFree>;

constexpr wchar_t kOwnMark[] = L".cindermoor-";

// A file of ours alone beside another: its name carries this program and this process, and it
// is made only where no file has that name, so that no file of the user's is ever written over
// or deleted. It stays open and locked while it is ours: what the lock guards is that the
// process is running, which its number cannot tell. That is a Windows process number, counted
// by each Wine prefix on its own, while launchers of several prefixes share the Linux files;
// Wine takes the lock on the Unix file too, so every prefix sees it, and it goes with the
// process however that ends.
struct OwnFile {
  std::wstring path;
  UniqueHandle file;
};

bool LockFirstByte(HANDLE file) {
  OVERLAPPED from{};
  return ::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &from);
}

std::optional<OwnFile> MakeOwnFileBeside(const std::wstring& other, const std::wstring& kind,
                                         SECURITY_ATTRIBUTES* security, DWORD& error) {
  const std::wstring stem = other + kOwnMark + std::to_wstring(::GetCurrentProcessId());
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::wstring path =
        stem + (attempt ? L"-" + std::to_wstring(attempt) : std::wstring()) + L"." + kind;
    const HANDLE made = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, security, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (made != INVALID_HANDLE_VALUE) {
      OwnFile own{std::move(path), UniqueHandle(made)};
      LockFirstByte(made);
      return own;
    }
    error = ::GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return std::nullopt;
  }
  return std::nullopt;
}

// "<other's name>.cindermoor-<number>[-<attempt>].new", as MakeOwnFileBeside names them.
bool IsOwnNewFileName(std::wstring_view name, std::wstring_view otherName) {
  const std::wstring prefix = std::wstring(otherName) + kOwnMark;
  constexpr std::wstring_view kSuffix = L".new";
  if (!name.starts_with(prefix) || !name.ends_with(kSuffix)) return false;
  const std::wstring_view number =
      name.substr(prefix.size(), name.size() - prefix.size() - kSuffix.size());
  return !number.empty() && number.front() != L'-' && number.back() != L'-' &&
         std::count(number.begin(), number.end(), L'-') <= 1 &&
         std::all_of(number.begin(), number.end(),
                     [](wchar_t c) { return c == L'-' || (c >= L'0' && c <= L'9'); });
}

// A launcher killed while it wrote leaves its new file behind; the next write removes every
// such file that no running process holds.
void RemoveLeftNewFilesBeside(const std::wstring& other) {
  const std::size_t slash = other.find_last_of(L'\\') + 1;
  WIN32_FIND_DATAW found{};
  const UniqueFind search(::FindFirstFileExW((other + kOwnMark + L"*.new").c_str(), FindExInfoBasic,
                                             &found, FindExSearchNameMatch, nullptr, 0));
  if (!search) return;
  do {
    if (!IsOwnNewFileName(found.cFileName, std::wstring_view(other).substr(slash))) continue;
    const std::wstring path = other.substr(0, slash) + found.cFileName;
    UniqueHandle file = OpenOwned(path, GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
    if (!file || !LockFirstByte(file.get())) continue;
    file.reset();
    ::DeleteFileW(path.c_str());
  } while (::FindNextFileW(search.get(), &found));
}

// The file a handle is open on once symlinks are followed; fallback when Windows cannot tell.
std::wstring FinalPathOf(HANDLE file, const std::wstring& fallback) {
  std::wstring resolved(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetFinalPathNameByHandleW(file, resolved.data(), static_cast<DWORD>(resolved.size()), 0);
    if (length == 0) return fallback;
    if (length < resolved.size()) return resolved.substr(0, length);
    resolved.resize(length);
  }
}

// Where the bytes go: a mimeapps.list kept as a link into the user's dotfiles is written where
// it really lives. A path that names no file is made empty first: through a link whose file is
// not there yet (a dotfiles folder not yet filled), that makes the file where the link points,
// and the link stays a link.
struct Target {
  std::wstring path;
  bool made = false;
};

std::optional<Target> TargetOf(const std::wstring& path, DWORD& error) {
  if (const UniqueHandle file = OpenOwned(path, 0, kShareAll, OPEN_EXISTING)) {
    return Target{FinalPathOf(file.get(), path), false};
  }
  const UniqueHandle made = OpenOwned(path, GENERIC_WRITE, kShareAll, OPEN_ALWAYS);
  if (!made) {
    error = ::GetLastError();
    return std::nullopt;
  }
  return Target{FinalPathOf(made.get(), path), true};
}

bool WriteFromStart(HANDLE file, const std::string& bytes) {
  if (!::SetFilePointerEx(file, LARGE_INTEGER{}, nullptr, FILE_BEGIN)) return false;
  std::size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data() + done, chunk, &written, nullptr)) return false;
    done += written;
  }
  return ::SetEndOfFile(file) && ::FlushFileBuffers(file);
}

// The access a file gives, as Wine describes its Unix permission bits to Windows programs.
std::optional<std::string> AccessOf(const std::wstring& path) {
  PACL dacl = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (::GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                              nullptr, &dacl, nullptr, &descriptor) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  const UniqueLocal owned(descriptor);
  std::string access;
  if (dacl) access.assign(reinterpret_cast<const char*>(dacl), dacl->AclSize);
  return access;
}

DWORD LinkCount(const std::wstring& path) {
  const UniqueHandle file = OpenOwned(path, 0, kShareAll, OPEN_EXISTING);
  BY_HANDLE_FILE_INFORMATION information{};
  if (!file || !::GetFileInformationByHandle(file.get(), &information)) return 0;
  return information.nNumberOfLinks;
}

// The old bytes beside the file, made with the file's own access as near as Wine gives it,
// so that a private file's content is not opened up to others on the way.
std::optional<std::wstring> KeepBeside(const std::wstring& target, const std::string& old,
                                       DWORD& error) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  ::GetNamedSecurityInfoW(target.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                          nullptr, nullptr, nullptr, &descriptor);
  const UniqueLocal owned(descriptor);
  SECURITY_ATTRIBUTES security{sizeof security, descriptor, FALSE};
  std::optional<OwnFile> kept = MakeOwnFileBeside(target, L"old", &security, error);
  if (!kept) return std::nullopt;
  if (!WriteFromStart(kept->file.get(), old)) {
    error = ::GetLastError();
    kept->file.reset();
    ::DeleteFileW(kept->path.c_str());
    return std::nullopt;
  }
  return std::move(kept->path);
}

// The file stays the same file, with its permissions and links; its old bytes are kept beside
// it until the new ones are all written, and put back when the write fails.
Outcome WriteInPlace(const std::wstring& target, const std::string& bytes,
                     const std::string& shownPath) {
  const auto failure = [&](DWORD error) {
    return Outcome::Failure(
        DescribeError(Text("desktop.could_not_write", {{"path", shownPath}}), error));
  };
  const UniqueHandle file =
      OpenOwned(target, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, OPEN_EXISTING);
  std::string old;
  if (!file || !ReadWhole(file.get(), old)) return failure(::GetLastError());
  DWORD error = 0;
  const std::optional<std::wstring> kept = KeepBeside(target, old, error);
  if (!kept) return failure(error);
  if (WriteFromStart(file.get(), bytes)) {
    ::DeleteFileW(kept->c_str());
    return Outcome::Success();
  }
  error = ::GetLastError();
  if (WriteFromStart(file.get(), old)) {
    ::DeleteFileW(kept->c_str());
    return failure(error);
  }
  return Outcome::Failure(Text(
      "desktop.earlier_content_kept",
      {{"failure", DescribeError(Text("desktop.could_not_write", {{"path", shownPath}}), error)},
       {"file", Narrow(kept->substr(kept->find_last_of(L'\\') + 1))}}));
}

// A new file renamed over the old one puts the new content in place at once, so the old file
// stays whole whatever happens on the way. The rename would give a file kept with other
// permissions (say, private to its owner) those of a new file, as a program under Wine can
// give no others, and would cut one of several hard links: such a file is written in place.
Outcome WriteTarget(const std::wstring& target, const std::string& bytes,
                    const std::string& shownPath) {
  const DWORD attributes = ::GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    return Outcome::Failure(Text("desktop.read_only", {{"path", shownPath}}));
  }
  RemoveLeftNewFilesBeside(target);
  DWORD error = 0;
  std::optional<OwnFile> fresh = MakeOwnFileBeside(target, L"new", nullptr, error);
  if (!fresh)
    return Outcome::Failure(
        DescribeError(Text("desktop.could_not_write", {{"path", shownPath}}), error));
  // After its handle is closed: a file still open without shared delete cannot be deleted.
  const auto discard = [&] {
    fresh->file.reset();
    ::DeleteFileW(fresh->path.c_str());
  };
  if (AccessOf(target) != AccessOf(fresh->path) || LinkCount(target) > 1) {
    discard();
    return WriteInPlace(target, bytes, shownPath);
  }
  if (!WriteFromStart(fresh->file.get(), bytes)) {
    error = ::GetLastError();
    discard();
    return Outcome::Failure(
        DescribeError(Text("desktop.could_not_write", {{"path", shownPath}}), error));
  }
  fresh->file.reset();
  if (!::MoveFileExW(fresh->path.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error = ::GetLastError();
    discard();
    return Outcome::Failure(
        DescribeError(Text("desktop.could_not_replace", {{"path", shownPath}}), error));
  }
  return Outcome::Success();
}

}  // namespace

UniqueHandle OpenOwned(const std::wstring& path, DWORD access, DWORD share, DWORD disposition) {
  const HANDLE file = ::CreateFileW(path.c_str(), access, share, nullptr, disposition,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  return UniqueHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

bool ReadWhole(HANDLE file, std::string& bytes) {
  char buffer[16384];
  for (;;) {
    DWORD got = 0;
    if (!::ReadFile(file, buffer, sizeof buffer, &got, nullptr)) return false;
    if (got == 0) return true;
    bytes.append(buffer, got);
  }
}

Outcome WriteKeepingTheFile(const std::wstring& path, const std::string& bytes,
                            const std::string& shownPath) {
  DWORD error = 0;
  const std::optional<Target> target = TargetOf(path, error);
  if (!target)
    return Outcome::Failure(
        DescribeError(Text("desktop.could_not_write", {{"path", shownPath}}), error));
  Outcome written = WriteTarget(target->path, bytes, shownPath);
  // A file made for this write and not written goes again; a link stays as it was.
  if (!written.Succeeded() && target->made) ::DeleteFileW(target->path.c_str());
  return written;
}

}  // namespace cindermoor::win32
