#include "doubles/memory_settings_store.h"

#include "common/fatal_error.h"

namespace cindermoor {

std::string MemorySettingsStore::ReadSetting(const std::string& application,
                                             const std::string& section, const std::string& key) {
  const auto found = values_.find({application, section, key});
  return found == values_.end() ? std::string() : found->second;
}

void MemorySettingsStore::WriteSetting(const std::string& application, const std::string& section,
                                       const std::string& key, const std::string& value) {
  if (refusesWrites) throw FatalError("Cannot store the setting " + key + ": access denied");
  values_[{application, section, key}] = value;
}

void MemorySettingsStore::RemoveSetting(const std::string& application, const std::string& section,
                                        const std::string& key) {
  if (refusesWrites) throw FatalError("Cannot remove the setting " + key + ": access denied");
  values_.erase({application, section, key});
}

bool MemorySettingsStore::HasSetting(const std::string& application, const std::string& section,
                                     const std::string& key) const {
  return values_.count({application, section, key}) != 0;
}

}  // namespace cindermoor
