// The in-memory registry: the shared registry contract, and refusal, which only it can show
// (Wine never refuses a write to HKEY_LOCAL_MACHINE).
#include "doubles/memory_registry.h"

#include <gtest/gtest.h>

#include "contracts/registry_contract.h"

namespace cindermoor {
namespace {

INSTANTIATE_TYPED_TEST_SUITE_P(Memory, RegistryContract, MemoryRegistrySide);

constexpr RegRoot kMachine = RegRoot::LocalMachine;

TEST(MemoryRegistryTest, ARefusingRootChangesNothing) {
  const struct {
    const char* name;
    Outcome (*write)(Registry&);
  } cases[] = {
      {"create", [](Registry& r) { return r.CreateRegKey(kMachine, "Software\\New"); }},
      {"set", [](Registry& r) { return r.SetRegString(kMachine, "Software\\Old", "V", "new"); }},
      {"delete leaf", [](Registry& r) { return r.DeleteRegKey(kMachine, "Software\\Old\\Leaf"); }},
      {"delete tree", [](Registry& r) { return r.DeleteRegTree(kMachine, "Software\\Old"); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryRegistry registry;
    registry.PutString(kMachine, "Software\\Old\\Leaf", "V", "old");
    const auto before = registry.DescribeTree(kMachine, "");
    registry.SetRefusesWrites(kMachine, true);

    EXPECT_EQ(c.write(registry).Reason(), MemoryRegistry::kRefusal);
    EXPECT_EQ(registry.DescribeTree(kMachine, ""), before);
    // The other root still takes writes.
    EXPECT_TRUE(
        registry.SetRegString(RegRoot::CurrentUser, "Software\\Old", "V", "user").Succeeded());
  }
}

}  // namespace
}  // namespace cindermoor
