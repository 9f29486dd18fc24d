// Settings kept in memory, for tests that must not touch a real store.
#pragma once

#include <map>
#include <string>
#include <tuple>

#include "state/settings_store.h"

namespace cindermoor {

class MemorySettingsStore : public SettingsStore {
 public:
  std::string ReadSetting(const std::string& application, const std::string& section,
                          const std::string& key) override;
  void WriteSetting(const std::string& application, const std::string& section,
                    const std::string& key, const std::string& value) override;
  void RemoveSetting(const std::string& application, const std::string& section,
                     const std::string& key) override;

  // For tests: whether a key is stored at all ("" stored is not the same as absent),
  // and how many keys are stored in every application and section together.
  bool HasSetting(const std::string& application, const std::string& section,
                  const std::string& key) const;
  size_t SettingCount() const { return values_.size(); }
  // For tests: a store that refuses every write and removal, as a locked-down profile's does.
  bool refusesWrites = false;

 private:
  using Address = std::tuple<std::string, std::string, std::string>;
  std::map<Address, std::string> values_;
};

}  // namespace cindermoor
