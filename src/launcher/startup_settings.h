// The stored settings start-up works from, read once through the settings table: the windows
// are filled from them and a link is served from them, so a start writes nothing it did not
// mean to.
#pragma once

#include <map>
#include <string>

#include "common/settings_table.h"
#include "state/launcher_settings.h"

namespace cindermoor {

class StartupSettings {
 public:
  StartupSettings() = default;
  // Reads every setting the main window shows, each as its row says.
  explicit StartupSettings(LauncherSettings& settings);

  // The value as its row reads it: its default when it is not there or not of its kind.
  const std::string& operator[](const std::string& name) const;
  // Whether the stored text was not of its row's kind, so that the default stands.
  bool Defaulted(const std::string& name) const;
  // What start-up itself chose (a game folder found); the store is written apart.
  void Put(const std::string& name, const std::string& value);

 private:
  struct Value {
    std::string text;
    bool defaulted = true;
  };
  std::map<std::string, Value> values_;
};

}  // namespace cindermoor
