#include "doubles/memory_registry.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace cindermoor {

namespace {

// What Windows says of a path it cannot use: an empty name between separators, or a root.
constexpr const char* kInvalidPath = "The parameter is incorrect (error 87)";

// Windows compares key and value names without regard to case.
std::string Fold(const std::string& name) {
  std::string folded = name;
  std::transform(folded.begin(), folded.end(), folded.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return folded;
}

// "" names the root itself; an empty name between separators makes the path invalid.
std::optional<std::vector<std::string>> SplitPath(const std::string& path) {
  std::vector<std::string> names;
  if (path.empty()) return names;
  size_t start = 0;
  while (true) {
    const size_t end = path.find('\\', start);
    const std::string name = path.substr(start, end - start);
    if (name.empty()) return std::nullopt;
    names.push_back(name);
    if (end == std::string::npos) return names;
    start = end + 1;
  }
}

std::string DescribeText(const std::string& bytes) {
  const size_t nul = bytes.find('\0');
  const std::string text = "\"" + bytes.substr(0, nul) + "\"";
  return nul == std::string::npos ? text + " without NUL" : text;
}

std::string DescribeValue(const RegValue& value) {
  switch (value.type) {
    case RegValueType::String:
      return "REG_SZ " + DescribeText(value.bytes);
    case RegValueType::ExpandString:
      return "REG_EXPAND_SZ " + DescribeText(value.bytes);
    case RegValueType::Dword:
      break;
  }
  std::uint32_t number = 0;
  for (size_t i = value.bytes.size(); i-- > 0;) {
    number = (number << 8) | static_cast<unsigned char>(value.bytes[i]);
  }
  return "REG_DWORD " + std::to_string(number);
}

}  // namespace

MemoryRegistry::MemoryRegistry() {
  hives_[0].software32.name = "Software";
  hives_[1].software32.name = "Software";
}

MemoryRegistry::Hive& MemoryRegistry::HiveOf(RegRoot root) {
  return hives_[root == RegRoot::LocalMachine ? 0 : 1];
}

const MemoryRegistry::Hive& MemoryRegistry::HiveOf(RegRoot root) const {
  return hives_[root == RegRoot::LocalMachine ? 0 : 1];
}

std::optional<MemoryRegistry::Location> MemoryRegistry::Locate(RegRoot root,
                                                               const std::string& subKey,
                                                               RegView view) const {
  auto names = SplitPath(subKey);
  if (!names) return std::nullopt;
  // Keys are only ever changed through the non-const members that call this.
  Hive& hive = const_cast<Hive&>(HiveOf(root));
  // Only LocalMachine\Software has a view of its own for 32-bit programs.
  if (root == RegRoot::LocalMachine && view == RegView::Bit32 && !names->empty() &&
      Fold(names->front()) == "software") {
    names->erase(names->begin());
    return Location{&hive.software32, std::move(*names)};
  }
  return Location{&hive.native, std::move(*names)};
}

const MemoryRegistry::Key* MemoryRegistry::Find(RegRoot root, const std::string& subKey,
                                                RegView view) const {
  const auto location = Locate(root, subKey, view);
  if (!location) return nullptr;
  const Key* key = location->start;
  for (const std::string& name : location->names) {
    const auto found = key->subKeys.find(Fold(name));
    if (found == key->subKeys.end()) return nullptr;
    key = found->second.get();
  }
  return key;
}

MemoryRegistry::Key* MemoryRegistry::FindOrCreate(RegRoot root, const std::string& subKey,
                                                  RegView view) {
  const auto location = Locate(root, subKey, view);
  if (!location) return nullptr;
  Key* key = location->start;
  for (const std::string& name : location->names) {
    auto& slot = key->subKeys[Fold(name)];
    if (!slot) {
      slot = std::make_unique<Key>();
      slot->name = name;
    }
    key = slot.get();
  }
  return key;
}

Outcome MemoryRegistry::CreateRegKey(RegRoot root, const std::string& subKey) {
  if (HiveOf(root).refusesWrites) return Outcome::Failure(kRefusal);
  if (!FindOrCreate(root, subKey, RegView::Native)) return Outcome::Failure(kInvalidPath);
  return Outcome::Success();
}

Outcome MemoryRegistry::DeleteRegKey(RegRoot root, const std::string& subKey) {
  return DeleteKey(root, subKey, false);
}

Outcome MemoryRegistry::DeleteRegTree(RegRoot root, const std::string& subKey) {
  return DeleteKey(root, subKey, true);
}

Outcome MemoryRegistry::DeleteKey(RegRoot root, const std::string& subKey, bool withSubKeys) {
  if (HiveOf(root).refusesWrites) return Outcome::Failure(kRefusal);
  const auto location = Locate(root, subKey, RegView::Native);
  // A root cannot be deleted.
  if (!location || location->names.empty()) return Outcome::Failure(kInvalidPath);
  const size_t slash = subKey.rfind('\\');
  const std::string parentPath = slash == std::string::npos ? "" : subKey.substr(0, slash);
  Key* parent = const_cast<Key*>(Find(root, parentPath, RegView::Native));
  if (!parent) return Outcome::Success();
  const auto child = parent->subKeys.find(Fold(location->names.back()));
  if (child == parent->subKeys.end()) return Outcome::Success();
  // Windows refuses to delete a key with sub-keys as it refuses a user without rights.
  if (!withSubKeys && !child->second->subKeys.empty()) return Outcome::Failure(kRefusal);
  parent->subKeys.erase(child);
  return Outcome::Success();
}

Outcome MemoryRegistry::DeleteRegValue(RegRoot root, const std::string& subKey,
                                       const std::string& valueName) {
  if (HiveOf(root).refusesWrites) return Outcome::Failure(kRefusal);
  if (Key* key = const_cast<Key*>(Find(root, subKey, RegView::Native))) {
    key->values.erase(Fold(valueName));
  }
  return Outcome::Success();
}

std::string MemoryRegistry::GetRegString(RegRoot root, const std::string& subKey,
                                         const std::string& valueName,
                                         const std::string& defaultValue, RegView view) {
  const auto value = ValueOf(root, subKey, valueName, view);
  if (!value || value->type != RegValueType::String) return defaultValue;
  // The text ends at its NUL, or with the stored bytes when it was stored without one.
  return value->bytes.substr(0, value->bytes.find('\0'));
}

Outcome MemoryRegistry::SetRegString(RegRoot root, const std::string& subKey,
                                     const std::string& valueName, const std::string& data) {
  if (HiveOf(root).refusesWrites) return Outcome::Failure(kRefusal);
  Key* key = FindOrCreate(root, subKey, RegView::Native);
  if (!key) return Outcome::Failure(kInvalidPath);
  const std::string folded = Fold(valueName);
  const auto existing = key->values.find(folded);
  const std::string storedName = existing == key->values.end() ? valueName : existing->second.name;
  key->values[folded] = {storedName, {RegValueType::String, data + '\0'}};
  return Outcome::Success();
}

void MemoryRegistry::SetRefusesWrites(RegRoot root, bool refuses) {
  HiveOf(root).refusesWrites = refuses;
}

void MemoryRegistry::PutValue(RegRoot root, const std::string& subKey, const std::string& valueName,
                              RegValue value, RegView view) {
  Key* key = FindOrCreate(root, subKey, view);
  if (key) key->values[Fold(valueName)] = {valueName, std::move(value)};
}

void MemoryRegistry::PutString(RegRoot root, const std::string& subKey,
                               const std::string& valueName, const std::string& text,
                               RegView view) {
  PutValue(root, subKey, valueName, {RegValueType::String, text + '\0'}, view);
}

void MemoryRegistry::PutStringWithoutNul(RegRoot root, const std::string& subKey,
                                         const std::string& valueName, const std::string& text,
                                         RegView view) {
  PutValue(root, subKey, valueName, {RegValueType::String, text}, view);
}

bool MemoryRegistry::KeyExists(RegRoot root, const std::string& subKey, RegView view) const {
  return Find(root, subKey, view) != nullptr;
}

std::optional<RegValue> MemoryRegistry::ValueOf(RegRoot root, const std::string& subKey,
                                                const std::string& valueName, RegView view) const {
  const Key* key = Find(root, subKey, view);
  if (!key) return std::nullopt;
  const auto found = key->values.find(Fold(valueName));
  if (found == key->values.end()) return std::nullopt;
  return found->second.value;
}

std::vector<std::string> MemoryRegistry::DescribeTree(RegRoot root, const std::string& subKey,
                                                      RegView view) const {
  std::vector<std::string> lines;
  if (const Key* key = Find(root, subKey, view)) Describe(*key, "", lines);
  return lines;
}

void MemoryRegistry::Describe(const Key& key, const std::string& prefix,
                              std::vector<std::string>& lines) {
  for (const auto& [folded, named] : key.values) {
    lines.push_back(prefix + "[" + named.name + "] = " + DescribeValue(named.value));
  }
  for (const auto& [folded, child] : key.subKeys) {
    const std::string path = prefix + child->name + "\\";
    lines.push_back(path);
    Describe(*child, path, lines);
  }
}

}  // namespace cindermoor
