// What every Registry must do, as one typed suite: the in-memory double runs it natively and
// beside the real registry under Wine, so the double cannot drift from Windows. A side gives the
// registry under test, a key path of its own, MemoryRegistry's PutValue and KeyExists, and a
// REG_SZ value's bytes as stored under the current user (UTF-8, with its NUL if it has one).
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "doubles/memory_registry.h"
#include "state/registry.h"

namespace cindermoor {

// Each test gets a fresh side.
template <typename Side>
class RegistryContract : public ::testing::Test, protected Side {};

TYPED_TEST_SUITE_P(RegistryContract);

TYPED_TEST_P(RegistryContract, GetRegStringReadsOnlyStrings) {
  using enum RegRoot;
  using enum RegView;
  struct Case {
    const char* name;
    RegRoot root;
    RegView putView;
    RegValue stored;
    RegView readView;
    std::string expected;
  };
  const RegValue sz{RegValueType::String, std::string("text\0", 5)};
  const RegValue szWithoutNul{RegValueType::String, "text"};
  const RegValue szOfNoBytes{RegValueType::String, ""};
  const RegValue expandSz{RegValueType::ExpandString, std::string("text\0", 5)};
  const RegValue dword{RegValueType::Dword, std::string("\7\0\0\0", 4)};
  const Case cases[] = {
      {"REG_SZ", CurrentUser, Native, sz, Native, "text"},
      {"REG_SZ without NUL", CurrentUser, Native, szWithoutNul, Native, "text"},
      {"REG_SZ of no bytes", CurrentUser, Native, szOfNoBytes, Native, ""},
      {"REG_EXPAND_SZ", CurrentUser, Native, expandSz, Native, "-"},
      {"REG_DWORD", CurrentUser, Native, dword, Native, "-"},
      {"32-bit value, native read", LocalMachine, Bit32, sz, Native, "-"},
      {"32-bit value, 32-bit read", LocalMachine, Bit32, sz, Bit32, "text"},
      {"native value, 32-bit read", LocalMachine, Native, sz, Bit32, "-"},
  };
  const std::string key = this->Key();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    this->PutValue(c.root, key, c.name, c.stored, c.putView);
    EXPECT_EQ(this->registry().GetRegString(c.root, key, c.name, "-", c.readView), c.expected);
  }
  EXPECT_EQ(this->registry().GetRegString(CurrentUser, key, "absent", "-"), "-");
  // A read never creates a key.
  EXPECT_EQ(this->registry().GetRegString(CurrentUser, key + "\\Missing\\Deeper", "", "-"), "-");
  EXPECT_FALSE(this->KeyExists(CurrentUser, key + "\\Missing"));
}

// Writes store the terminating NUL, so readers that trust the byte count get a proper string;
// key and value names ignore case.
TYPED_TEST_P(RegistryContract, StringsRoundTripWithTheirNul) {
  using enum RegRoot;
  const std::string texts[] = {
      "",
      "C:\\Games\\launcher.exe %1",
      "C:\\Spiele\\Tribes \xC3\xBC \xE6\x97\xA5\xE6\x9C\xAC",
      std::string(100000, 'x') + "end",
  };
  const std::string key = this->Key();
  for (const std::string& text : texts) {
    SCOPED_TRACE(text.substr(0, 40));
    ASSERT_TRUE(
        this->registry().SetRegString(CurrentUser, key + "\\A\\B", "Value", text).Succeeded());
    EXPECT_EQ(this->registry().GetRegString(CurrentUser, key + "\\a\\b", "VALUE", "-"), text);
    EXPECT_EQ(this->StoredString(key + "\\A\\B", "value"), text + '\0');
  }
}

// Deleting a value leaves its key; a value or key that is not there counts as deleted, and no
// key is made for it.
TYPED_TEST_P(RegistryContract, DeletingValues) {
  using enum RegRoot;
  Registry& registry = this->registry();
  const std::string key = this->Key();
  ASSERT_TRUE(registry.SetRegString(CurrentUser, key, "Value", "text").Succeeded());
  EXPECT_TRUE(registry.DeleteRegValue(CurrentUser, key, "VALUE").Succeeded());
  EXPECT_EQ(registry.GetRegString(CurrentUser, key, "Value", "-"), "-");
  EXPECT_TRUE(this->KeyExists(CurrentUser, key));
  EXPECT_TRUE(registry.DeleteRegValue(CurrentUser, key, "Value").Succeeded());
  EXPECT_TRUE(registry.DeleteRegValue(CurrentUser, key + "\\Missing", "Value").Succeeded());
  EXPECT_FALSE(this->KeyExists(CurrentUser, key + "\\Missing"));
}

TYPED_TEST_P(RegistryContract, CreatingAndDeletingKeys) {
  using enum RegRoot;
  Registry& registry = this->registry();
  const std::string key = this->Key();
  const std::string parent = key + "\\Class";
  ASSERT_TRUE(registry.CreateRegKey(CurrentUser, parent + "\\shell\\open").Succeeded());
  EXPECT_TRUE(registry.DeleteRegKey(CurrentUser, key + "\\Missing").Succeeded());
  EXPECT_TRUE(registry.DeleteRegTree(CurrentUser, key + "\\Missing").Succeeded());
  // An empty path names the root itself: never deleted.
  EXPECT_FALSE(registry.DeleteRegTree(CurrentUser, "").Succeeded());
  // A refusal carries the system's reason, as Windows gives it for a key with sub-keys.
  const Outcome refused = registry.DeleteRegKey(CurrentUser, parent);
  EXPECT_NE(refused.Reason().find("(error 5)"), std::string::npos) << refused.Reason();
  EXPECT_TRUE(this->KeyExists(CurrentUser, parent + "\\shell\\open"));
  EXPECT_TRUE(registry.DeleteRegKey(CurrentUser, parent + "\\shell\\open").Succeeded());
  EXPECT_FALSE(this->KeyExists(CurrentUser, parent + "\\shell\\open"));
  EXPECT_TRUE(registry.DeleteRegTree(CurrentUser, key + "\\CLASS").Succeeded());
  EXPECT_FALSE(this->KeyExists(CurrentUser, parent));
  EXPECT_TRUE(this->KeyExists(CurrentUser, key));
}

REGISTER_TYPED_TEST_SUITE_P(RegistryContract, GetRegStringReadsOnlyStrings,
                            StringsRoundTripWithTheirNul, DeletingValues, CreatingAndDeletingKeys);

// The double's side: a fresh MemoryRegistry per test, with its own test-facing calls.
struct MemoryRegistrySide : MemoryRegistry {
  Registry& registry() { return *this; }
  std::string Key() const { return "Software\\CindermoorTest\\run"; }
  std::optional<std::string> StoredString(const std::string& path, const std::string& name) const {
    const auto value = ValueOf(RegRoot::CurrentUser, path, name);
    if (!value || value->type != RegValueType::String) return std::nullopt;
    return value->bytes;
  }
};

}  // namespace cindermoor
