// The registry helpers against the real registry, in throwaway keys.
#include "state/win32/registry_win32.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "throwaway_key.h"
#include "win32/text.h"
#include "win32/unique_handle.h"

namespace cindermoor::win32 {
namespace {

const char* const kTestParent = "Software\\CindermoorTest";

// Stores exactly the given bytes, as another program might have.
void PutRaw(HKEY root, const std::string& subKey, const std::string& valueName, DWORD type,
            const void* data, DWORD bytes, REGSAM extraAccess = 0) {
  UniqueHkey key;
  ASSERT_EQ(::RegCreateKeyExW(root, Widen(subKey).c_str(), 0, nullptr, 0,
                              KEY_SET_VALUE | extraAccess, nullptr, key.put(), nullptr),
            ERROR_SUCCESS);
  ASSERT_EQ(::RegSetValueExW(key.get(), Widen(valueName).c_str(), 0, type,
                             static_cast<const BYTE*>(data), bytes),
            ERROR_SUCCESS);
}

bool KeyExists(HKEY root, const std::string& subKey) {
  UniqueHkey key;
  const bool opened =
      ::RegOpenKeyExW(root, Widen(subKey).c_str(), 0, KEY_QUERY_VALUE, key.put()) == ERROR_SUCCESS;
  if (!opened) key.release();
  return opened;
}

class RegistryWin32Test : public ::testing::Test {
 protected:
  ThrowawayKey test_{HKEY_CURRENT_USER, kTestParent};
  RegistryWin32 registry_;
};

TEST_F(RegistryWin32Test, OnlyStringValuesAreRead) {
  struct Case {
    const char* name;
    DWORD type;
    std::wstring data;
    DWORD bytes;  // as stored, which need not include the NUL
    std::string expected;
  };
  const DWORD number = 7;
  const std::wstring dwordBytes(reinterpret_cast<const wchar_t*>(&number), 2);
  const Case cases[] = {
      {"REG_SZ", REG_SZ, L"text", 10, "text"},
      {"REG_SZ without NUL", REG_SZ, L"whole text", 20, "whole text"},
      {"REG_SZ with odd byte count", REG_SZ, L"ab", 3, "ab"},
      {"empty REG_SZ", REG_SZ, L"", 2, ""},
      {"REG_SZ of no bytes", REG_SZ, L"", 0, ""},
      {"REG_EXPAND_SZ", REG_EXPAND_SZ, L"%WINDIR%", 18, "default"},
      {"REG_DWORD", REG_DWORD, dwordBytes, 4, "default"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PutRaw(HKEY_CURRENT_USER, test_.Path(), c.name, c.type, c.data.c_str(), c.bytes);
    EXPECT_EQ(registry_.GetRegString(RegRoot::CurrentUser, test_.Path(), c.name, "default"),
              c.expected);
  }
  EXPECT_EQ(registry_.GetRegString(RegRoot::CurrentUser, test_.Path(), "absent", "default"),
            "default");
}

TEST_F(RegistryWin32Test, ReadingAMissingKeyCreatesNothing) {
  const std::string missing = test_.Path() + "\\Missing";
  EXPECT_EQ(registry_.GetRegString(RegRoot::CurrentUser, missing, "", "default"), "default");
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, test_.Path()));
}

TEST_F(RegistryWin32Test, StringsRoundTripWithTheirNul) {
  struct Case {
    const char* name;
    std::string text;
  };
  const Case cases[] = {
      {"empty", ""},
      {"plain", "C:\\Games\\launcher.exe %1"},
      {"non-ASCII", "C:\\Spiele\\Tribes \xC3\xBC \xE6\x97\xA5\xE6\x9C\xAC"},
      {"100 000 characters", std::string(100000, 'x') + "end"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(
        registry_.SetRegString(RegRoot::CurrentUser, test_.Path() + "\\A\\B", c.name, c.text));
    EXPECT_EQ(registry_.GetRegString(RegRoot::CurrentUser, test_.Path() + "\\a\\b", c.name, "?"),
              c.text);
    DWORD type = 0;
    DWORD bytes = 0;
    ASSERT_EQ(::RegGetValueW(HKEY_CURRENT_USER, Widen(test_.Path() + "\\A\\B").c_str(),
                             Widen(c.name).c_str(), RRF_RT_ANY, &type, nullptr, &bytes),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(bytes, (Widen(c.text).size() + 1) * sizeof(wchar_t));
  }
}

TEST_F(RegistryWin32Test, DeletingKeys) {
  const std::string parent = test_.Path() + "\\Class";
  ASSERT_TRUE(registry_.SetRegString(RegRoot::CurrentUser, parent + "\\shell\\open", "", "x"));

  EXPECT_TRUE(registry_.DeleteRegKey(RegRoot::CurrentUser, test_.Path() + "\\Missing"));
  EXPECT_TRUE(registry_.DeleteRegTree(RegRoot::CurrentUser, test_.Path() + "\\Missing"));
  EXPECT_FALSE(registry_.DeleteRegKey(RegRoot::CurrentUser, parent));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, parent + "\\shell\\open"));

  EXPECT_TRUE(registry_.DeleteRegKey(RegRoot::CurrentUser, parent + "\\shell\\open"));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, parent + "\\shell\\open"));
  EXPECT_TRUE(registry_.DeleteRegTree(RegRoot::CurrentUser, parent));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, parent));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, test_.Path()));
}

// 32-bit installers write the 32-bit view of HKEY_LOCAL_MACHINE\Software (Wine lets any user
// write there).
TEST(RegistryWin32ViewTest, Bit32ReadsTheView32BitProgramsWrite) {
  ThrowawayKey test(HKEY_LOCAL_MACHINE, kTestParent, KEY_WOW64_32KEY);
  const std::wstring folder = L"C:\\Dynamix\\Tribes";
  PutRaw(HKEY_LOCAL_MACHINE, test.Path(), "PATH", REG_SZ, folder.c_str(),
         static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)), KEY_WOW64_32KEY);
  RegistryWin32 registry;

  EXPECT_EQ(registry.GetRegString(RegRoot::LocalMachine, test.Path(), "PATH", "", RegView::Bit32),
            "C:\\Dynamix\\Tribes");
  EXPECT_EQ(registry.GetRegString(RegRoot::LocalMachine, test.Path(), "PATH", "none"), "none");
}

}  // namespace
}  // namespace cindermoor::win32
