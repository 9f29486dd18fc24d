// The in-memory registry behaves as the Windows one where the program depends on it.
#include "doubles/memory_registry.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace cindermoor {
namespace {

constexpr RegRoot kMachine = RegRoot::LocalMachine;
constexpr RegRoot kUser = RegRoot::CurrentUser;
const char* const kKey = "Software\\Test";

TEST(MemoryRegistryTest, GetRegStringReadsOnlyStrings) {
  struct Case {
    const char* name;
    std::function<void(MemoryRegistry&)> put;
    RegRoot root;
    std::string subKey;
    std::string valueName;
    RegView view;
    std::string expected;
  };
  const Case cases[] = {
      {"REG_SZ", [](MemoryRegistry& r) { r.PutString(kMachine, kKey, "V", "text"); }, kMachine,
       kKey, "V", RegView::Native, "text"},
      {"REG_SZ without NUL",
       [](MemoryRegistry& r) { r.PutStringWithoutNul(kMachine, kKey, "V", "whole"); }, kMachine,
       kKey, "V", RegView::Native, "whole"},
      {"empty REG_SZ", [](MemoryRegistry& r) { r.PutString(kMachine, kKey, "", ""); }, kMachine,
       kKey, "", RegView::Native, ""},
      {"REG_EXPAND_SZ",
       [](MemoryRegistry& r) { r.PutExpandString(kMachine, kKey, "V", "%WINDIR%"); }, kMachine,
       kKey, "V", RegView::Native, "default"},
      {"REG_DWORD", [](MemoryRegistry& r) { r.PutDword(kMachine, kKey, "V", 1); }, kMachine, kKey,
       "V", RegView::Native, "default"},
      {"missing value", [](MemoryRegistry& r) { r.PutString(kMachine, kKey, "V", "x"); }, kMachine,
       kKey, "W", RegView::Native, "default"},
      {"names ignore case", [](MemoryRegistry& r) { r.PutString(kMachine, kKey, "Value", "x"); },
       kMachine, "SOFTWARE\\test", "vALUE", RegView::Native, "x"},
      {"32-bit value, native read",
       [](MemoryRegistry& r) { r.PutString(kMachine, kKey, "V", "x", RegView::Bit32); }, kMachine,
       kKey, "V", RegView::Native, "default"},
      {"32-bit value, 32-bit read",
       [](MemoryRegistry& r) { r.PutString(kMachine, kKey, "V", "x", RegView::Bit32); }, kMachine,
       kKey, "V", RegView::Bit32, "x"},
      {"native value, 32-bit read",
       [](MemoryRegistry& r) { r.PutString(kMachine, kKey, "V", "x"); }, kMachine, kKey, "V",
       RegView::Bit32, "default"},
      {"current user has one view",
       [](MemoryRegistry& r) { r.PutString(kUser, kKey, "V", "x", RegView::Bit32); }, kUser, kKey,
       "V", RegView::Native, "x"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryRegistry registry;
    c.put(registry);
    EXPECT_EQ(registry.GetRegString(c.root, c.subKey, c.valueName, "default", c.view), c.expected);
  }
}

TEST(MemoryRegistryTest, ReadingAMissingKeyCreatesNothing) {
  MemoryRegistry registry;
  EXPECT_EQ(registry.GetRegString(kMachine, "Software\\Missing\\Deeper", "", "d"), "d");
  EXPECT_FALSE(registry.KeyExists(kMachine, "Software"));
}

TEST(MemoryRegistryTest, SetRegStringStoresTheTerminatingNul) {
  MemoryRegistry registry;
  ASSERT_TRUE(registry.SetRegString(kUser, "A\\B\\C", "Name", "data"));
  EXPECT_EQ(registry.ValueOf(kUser, "a\\b\\c", "name"),
            (RegValue{RegValueType::String, std::string("data\0", 5)}));
}

TEST(MemoryRegistryTest, DeleteRegKeyRefusesAKeyWithSubKeys) {
  MemoryRegistry registry;
  registry.PutString(kMachine, "Software\\Class\\shell\\open", "", "x");

  EXPECT_FALSE(registry.DeleteRegKey(kMachine, "Software\\Class"));
  EXPECT_TRUE(registry.KeyExists(kMachine, "Software\\Class\\shell\\open"));

  EXPECT_TRUE(registry.DeleteRegKey(kMachine, "Software\\Class\\shell\\open"));
  EXPECT_EQ(registry.SubKeyNames(kMachine, "Software\\Class\\shell"), std::vector<std::string>{});
  EXPECT_TRUE(registry.DeleteRegKey(kMachine, "Software\\Class\\Missing"));

  EXPECT_TRUE(registry.DeleteRegTree(kMachine, "SOFTWARE\\CLASS"));
  EXPECT_EQ(registry.SubKeyNames(kMachine, "Software"), std::vector<std::string>{});
}

TEST(MemoryRegistryTest, ARefusingRootChangesNothing) {
  struct Case {
    const char* name;
    std::function<bool(Registry&)> write;
  };
  const Case cases[] = {
      {"create", [](Registry& r) { return r.CreateRegKey(kMachine, "Software\\New"); }},
      {"set", [](Registry& r) { return r.SetRegString(kMachine, "Software\\Old", "V", "new"); }},
      {"delete leaf", [](Registry& r) { return r.DeleteRegKey(kMachine, "Software\\Old\\Leaf"); }},
      {"delete tree", [](Registry& r) { return r.DeleteRegTree(kMachine, "Software\\Old"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryRegistry registry;
    registry.PutString(kMachine, "Software\\Old\\Leaf", "V", "old");
    registry.PutString(kMachine, "Software\\Old", "V", "old");
    const auto before = registry.DescribeTree(kMachine, "");
    registry.SetRefusesWrites(kMachine, true);

    EXPECT_FALSE(c.write(registry));
    EXPECT_EQ(registry.DescribeTree(kMachine, ""), before);
    EXPECT_TRUE(
        registry.SetRegString(kUser, "Software\\Old", "V", "user"));  // other root still writable
  }
}

}  // namespace
}  // namespace cindermoor
