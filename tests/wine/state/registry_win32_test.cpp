// The registry helpers against the real registry, in throwaway keys: the shared registry
// contract, run beside the in-memory double, and what only raw stored bytes can show.
#include "state/win32/registry_win32.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "contracts/registry_contract.h"
#include "throwaway_key.h"
#include "win32/text.h"
#include "win32/unique_handle.h"

namespace cindermoor::win32 {
namespace {

const char* const kTestParent = "Software\\CindermoorTest";

HKEY RootHandle(RegRoot root) {
  return root == RegRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

// Stores exactly the given bytes, as another program might have.
void PutRaw(HKEY root, const std::string& subKey, const std::string& valueName, DWORD type,
            const void* data, size_t bytes, REGSAM view = 0) {
  UniqueHkey key;
  ASSERT_EQ(::RegCreateKeyExW(root, Widen(subKey).c_str(), 0, nullptr, 0, KEY_SET_VALUE | view,
                              nullptr, key.put(), nullptr),
            ERROR_SUCCESS);
  ASSERT_EQ(::RegSetValueExW(key.get(), Widen(valueName).c_str(), 0, type,
                             static_cast<const BYTE*>(data), static_cast<DWORD>(bytes)),
            ERROR_SUCCESS);
}

// The real registry, with one throwaway key name in each place a case writes, so all it writes
// goes with them.
class RegistryWin32Side {
 public:
  Registry& registry() { return registry_; }
  std::string Key() const { return user_.Path(); }

  // Strings as UTF-16, keeping a NUL only when given one; a DWORD as its four bytes.
  void PutValue(RegRoot root, const std::string& path, const std::string& name,
                const RegValue& value, RegView view) {
    const REGSAM access = view == RegView::Bit32 ? KEY_WOW64_32KEY : 0;
    if (value.type == RegValueType::Dword) {
      return PutRaw(RootHandle(root), path, name, REG_DWORD, value.bytes.data(), 4, access);
    }
    const std::wstring text = Widen(value.bytes);
    PutRaw(RootHandle(root), path, name,
           value.type == RegValueType::String ? REG_SZ : REG_EXPAND_SZ, text.data(),
           text.size() * sizeof(wchar_t), access);
  }

  std::optional<std::string> StoredString(const std::string& path, const std::string& name) const {
    UniqueHkey key;
    const std::wstring valueName = Widen(name);
    DWORD type = 0;
    DWORD bytes = 0;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, Widen(path).c_str(), 0, KEY_QUERY_VALUE, key.put()) ||
        ::RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, nullptr, &bytes) ||
        type != REG_SZ) {
      return std::nullopt;
    }
    std::wstring text(bytes / sizeof(wchar_t), L'\0');
    ::RegQueryValueExW(key.get(), valueName.c_str(), nullptr, nullptr,
                       reinterpret_cast<BYTE*>(text.data()), &bytes);
    return Narrow(text);
  }

  bool KeyExists(RegRoot root, const std::string& path) const {
    UniqueHkey key;
    return ::RegOpenKeyExW(RootHandle(root), Widen(path).c_str(), 0, KEY_QUERY_VALUE, key.put()) ==
           ERROR_SUCCESS;
  }

 private:
  RegistryWin32 registry_;
  ThrowawayKey user_{HKEY_CURRENT_USER, kTestParent};
  ThrowawayKey machine_{HKEY_LOCAL_MACHINE, kTestParent, 0, user_.Name()};
  ThrowawayKey machine32_{HKEY_LOCAL_MACHINE, kTestParent, KEY_WOW64_32KEY, user_.Name()};
};

using Sides = ::testing::Types<RegistryWin32Side, MemoryRegistrySide>;
INSTANTIATE_TYPED_TEST_SUITE_P(Win32AndMemory, RegistryContract, Sides);

// The last character of a value stored with an odd byte count has only its low byte.
TEST(RegistryWin32Test, AnOddByteCountKeepsTheLastCharacter) {
  ThrowawayKey test(HKEY_CURRENT_USER, kTestParent);
  PutRaw(HKEY_CURRENT_USER, test.Path(), "odd", REG_SZ, L"ab", 3);
  EXPECT_EQ(RegistryWin32().GetRegString(RegRoot::CurrentUser, test.Path(), "odd", "-"), "ab");
}

}  // namespace
}  // namespace cindermoor::win32
