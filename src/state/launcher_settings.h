// The launcher's own settings: one application and section of the store (the keys' names are in
// common/settings_table.h).
#pragma once

#include <map>
#include <string>

#include "common/settings_table.h"
#include "desktop/setting_values.h"
#include "state/settings_store.h"

namespace cindermoor {

// Each setting is read from the store once per run; later reads give that value, or what this
// run wrote since. So the whole run works from the values it started with, whatever another
// copy of the program stores meanwhile.
class LauncherSettings : public SettingValues {
 public:
  static constexpr const char* kApplication = "Launcher";
  static constexpr const char* kSection = "Program Settings";

  explicit LauncherSettings(SettingsStore& store) : store_(store) {}

  std::string Read(const std::string& key) override {
    const auto known = values_.find(key);
    if (known != values_.end()) return known->second;
    return values_[key] = store_.ReadSetting(kApplication, kSection, key);
  }
  // Reads the store again, for a value another copy of the program may have written since.
  std::string ReadAgain(const std::string& key) {
    return values_[key] = store_.ReadSetting(kApplication, kSection, key);
  }
  // A value the store refused is not taken either: the failure ends the run.
  void Write(const std::string& key, const std::string& value) override {
    store_.WriteSetting(kApplication, kSection, key, value);
    values_[key] = value;
  }
  void Remove(const std::string& key) override {
    store_.RemoveSetting(kApplication, kSection, key);
    values_[key] = "";
  }

 private:
  SettingsStore& store_;
  std::map<std::string, std::string> values_;
};

}  // namespace cindermoor
