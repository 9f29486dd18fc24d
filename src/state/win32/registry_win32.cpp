#include "state/win32/registry_win32.h"

#include <windows.h>

#include <optional>

#include "win32/text.h"
#include "win32/unique_handle.h"

namespace cindermoor::win32 {

namespace {

HKEY RootHandle(RegRoot root) {
  return root == RegRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

// Only HKEY_LOCAL_MACHINE\Software has a separate view for 32-bit programs.
REGSAM ViewAccess(RegRoot root, RegView view) {
  return root == RegRoot::LocalMachine && view == RegView::Bit32 ? KEY_WOW64_32KEY : 0;
}

// Success, or the system's reason for the status.
Outcome OutcomeOf(LSTATUS status) {
  return status == ERROR_SUCCESS ? Outcome::Success()
                                 : Outcome::Failure(SystemReason(static_cast<DWORD>(status)));
}

LSTATUS CreateKey(RegRoot root, const std::string& subKey, REGSAM access, UniqueHkey& key) {
  const LSTATUS status = ::RegCreateKeyExW(RootHandle(root), Widen(subKey).c_str(), 0, nullptr, 0,
                                           access, nullptr, key.put(), nullptr);
  if (status != ERROR_SUCCESS) key.release();
  return status;
}

// A key that is not there counts as deleted.
Outcome DeletedOrAbsent(LSTATUS status) {
  return OutcomeOf(status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status);
}

// The value's bytes when it is a REG_SZ. The size is asked for again whenever the value grew
// between the two calls, so a value of any length is read whole.
std::optional<std::wstring> QueryString(HKEY key, const std::wstring& valueName) {
  DWORD type = 0;
  DWORD size = 0;
  LSTATUS status = ::RegQueryValueExW(key, valueName.c_str(), nullptr, &type, nullptr, &size);
  std::wstring buffer;
  while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
    if (type != REG_SZ) return std::nullopt;
    // Room for an odd trailing byte; the zero fill ends a value that was stored without a NUL.
    buffer.assign(size / sizeof(wchar_t) + 1, L'\0');
    DWORD capacity = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    status = ::RegQueryValueExW(key, valueName.c_str(), nullptr, &type,
                                reinterpret_cast<BYTE*>(buffer.data()), &capacity);
    if (status == ERROR_SUCCESS) {
      if (type != REG_SZ) return std::nullopt;
      buffer.resize((capacity + 1) / sizeof(wchar_t));
      return buffer.substr(0, buffer.find(L'\0'));
    }
    size = capacity;
  }
  return std::nullopt;
}

}  // namespace

Outcome RegistryWin32::CreateRegKey(RegRoot root, const std::string& subKey) {
  UniqueHkey key;
  return OutcomeOf(CreateKey(root, subKey, KEY_QUERY_VALUE, key));
}

Outcome RegistryWin32::DeleteRegKey(RegRoot root, const std::string& subKey) {
  return DeletedOrAbsent(::RegDeleteKeyW(RootHandle(root), Widen(subKey).c_str()));
}

Outcome RegistryWin32::DeleteRegTree(RegRoot root, const std::string& subKey) {
  // An empty path would empty the whole root instead of deleting a key.
  if (subKey.empty()) return OutcomeOf(ERROR_INVALID_PARAMETER);
  return DeletedOrAbsent(::RegDeleteTreeW(RootHandle(root), Widen(subKey).c_str()));
}

// Opening, not creating: a key that is not there has nothing to delete.
Outcome RegistryWin32::DeleteRegValue(RegRoot root, const std::string& subKey,
                                      const std::string& valueName) {
  UniqueHkey key;
  const LSTATUS opened =
      ::RegOpenKeyExW(RootHandle(root), Widen(subKey).c_str(), 0, KEY_SET_VALUE, key.put());
  if (opened != ERROR_SUCCESS) {
    key.release();
    return DeletedOrAbsent(opened);
  }
  return DeletedOrAbsent(::RegDeleteValueW(key.get(), Widen(valueName).c_str()));
}

std::string RegistryWin32::GetRegString(RegRoot root, const std::string& subKey,
                                        const std::string& valueName,
                                        const std::string& defaultValue, RegView view) {
  // Opening, not creating: a read must leave no key behind.
  UniqueHkey key;
  if (::RegOpenKeyExW(RootHandle(root), Widen(subKey).c_str(), 0,
                      KEY_QUERY_VALUE | ViewAccess(root, view), key.put()) != ERROR_SUCCESS) {
    key.release();
    return defaultValue;
  }
  const auto text = QueryString(key.get(), Widen(valueName));
  return text ? Narrow(*text) : defaultValue;
}

Outcome RegistryWin32::SetRegString(RegRoot root, const std::string& subKey,
                                    const std::string& valueName, const std::string& data) {
  UniqueHkey key;
  if (const LSTATUS status = CreateKey(root, subKey, KEY_SET_VALUE, key); status != ERROR_SUCCESS) {
    return OutcomeOf(status);
  }
  const std::wstring text = Widen(data);
  // The byte count covers the terminating NUL, so readers that trust it get a proper string.
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (bytes > MAXDWORD) return OutcomeOf(ERROR_INVALID_PARAMETER);
  return OutcomeOf(::RegSetValueExW(key.get(), Widen(valueName).c_str(), 0, REG_SZ,
                                    reinterpret_cast<const BYTE*>(text.c_str()),
                                    static_cast<DWORD>(bytes)));
}

}  // namespace cindermoor::win32
