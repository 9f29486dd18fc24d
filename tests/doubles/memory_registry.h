// A registry kept in memory that behaves like the Windows one in the ways the program relies on:
// nested keys with case-insensitive names, typed values, a separate 32-bit view of
// LocalMachine\Software, and roots that can refuse writes the way HKEY_LOCAL_MACHINE refuses a
// standard user.
#pragma once

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "state/registry.h"

namespace cindermoor {

enum class RegValueType { String, ExpandString, Dword };

struct RegValue {
  RegValueType type;
  // The stored bytes: for strings the UTF-8 text, followed by its NUL when stored with one;
  // for a DWORD its four bytes, least significant first.
  std::string bytes;

  bool operator==(const RegValue&) const = default;
};

class MemoryRegistry : public Registry {
 public:
  MemoryRegistry();

  Outcome CreateRegKey(RegRoot root, const std::string& subKey) override;
  Outcome DeleteRegKey(RegRoot root, const std::string& subKey) override;
  Outcome DeleteRegTree(RegRoot root, const std::string& subKey) override;
  Outcome DeleteRegValue(RegRoot root, const std::string& subKey,
                         const std::string& valueName) override;
  std::string GetRegString(RegRoot root, const std::string& subKey, const std::string& valueName,
                           const std::string& defaultValue,
                           RegView view = RegView::Native) override;
  Outcome SetRegString(RegRoot root, const std::string& subKey, const std::string& valueName,
                       const std::string& data) override;

  // While set, every write to the root fails with kRefusal and changes nothing.
  void SetRefusesWrites(RegRoot root, bool refuses);
  // The reason Windows gives a standard user for a write to HKEY_LOCAL_MACHINE.
  static constexpr const char* kRefusal = "Access is denied (error 5)";

  // Test-facing: put typed values (regardless of refusal, as an installer run earlier would
  // have), and look at what is stored.
  void PutValue(RegRoot root, const std::string& subKey, const std::string& valueName,
                RegValue value, RegView view = RegView::Native);
  void PutString(RegRoot root, const std::string& subKey, const std::string& valueName,
                 const std::string& text, RegView view = RegView::Native);
  void PutStringWithoutNul(RegRoot root, const std::string& subKey, const std::string& valueName,
                           const std::string& text, RegView view = RegView::Native);

  bool KeyExists(RegRoot root, const std::string& subKey, RegView view = RegView::Native) const;
  std::optional<RegValue> ValueOf(RegRoot root, const std::string& subKey,
                                  const std::string& valueName,
                                  RegView view = RegView::Native) const;
  // Every key and value below subKey, one line each, paths relative to it: for comparing trees.
  std::vector<std::string> DescribeTree(RegRoot root, const std::string& subKey,
                                        RegView view = RegView::Native) const;

 private:
  struct Key;
  struct NamedValue {
    std::string name;
    RegValue value;
  };
  struct Key {
    std::string name;
    std::map<std::string, std::unique_ptr<Key>> subKeys;  // by folded name
    std::map<std::string, NamedValue> values;             // by folded name
  };
  struct Hive {
    Key native;
    Key software32;  // LocalMachine\Software as 32-bit programs see it
    bool refusesWrites = false;
  };
  struct Location {
    Key* start;
    std::vector<std::string> names;
  };

  Hive& HiveOf(RegRoot root);
  const Hive& HiveOf(RegRoot root) const;
  std::optional<Location> Locate(RegRoot root, const std::string& subKey, RegView view) const;
  const Key* Find(RegRoot root, const std::string& subKey, RegView view) const;
  Key* FindOrCreate(RegRoot root, const std::string& subKey, RegView view);
  Outcome DeleteKey(RegRoot root, const std::string& subKey, bool withSubKeys);
  static void Describe(const Key& key, const std::string& prefix, std::vector<std::string>& lines);

  std::array<Hive, 2> hives_;
};

}  // namespace cindermoor
