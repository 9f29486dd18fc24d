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

UniqueHkey CreateKey(RegRoot root, const std::string& subKey, REGSAM access) {
  UniqueHkey key;
  const LSTATUS status = ::RegCreateKeyExW(RootHandle(root), Widen(subKey).c_str(), 0, nullptr, 0,
                                           access, nullptr, key.put(), nullptr);
  if (status != ERROR_SUCCESS) {
    key.release();
    ::SetLastError(static_cast<DWORD>(status));
  }
  return key;
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

bool RegistryWin32::CreateRegKey(RegRoot root, const std::string& subKey) {
  return static_cast<bool>(CreateKey(root, subKey, KEY_QUERY_VALUE));
}

bool RegistryWin32::DeleteRegKey(RegRoot root, const std::string& subKey) {
  const LSTATUS status = ::RegDeleteKeyW(RootHandle(root), Widen(subKey).c_str());
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

bool RegistryWin32::DeleteRegTree(RegRoot root, const std::string& subKey) {
  // An empty path would empty the whole root instead of deleting a key.
  if (subKey.empty()) return false;
  const LSTATUS status = ::RegDeleteTreeW(RootHandle(root), Widen(subKey).c_str());
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
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

bool RegistryWin32::SetRegString(RegRoot root, const std::string& subKey,
                                 const std::string& valueName, const std::string& data) {
  const UniqueHkey key = CreateKey(root, subKey, KEY_SET_VALUE);
  if (!key) return false;
  const std::wstring text = Widen(data);
  // The byte count covers the terminating NUL, so readers that trust it get a proper string.
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (bytes > MAXDWORD) {
    ::SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  const LSTATUS status =
      ::RegSetValueExW(key.get(), Widen(valueName).c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(text.c_str()), static_cast<DWORD>(bytes));
  ::SetLastError(static_cast<DWORD>(status));
  return status == ERROR_SUCCESS;
}

}  // namespace cindermoor::win32
