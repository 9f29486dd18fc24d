// The launcher's settings by name, as the Linux desktop's handler reads them and keeps in them
// what it changed; the settings room (state/launcher_settings.h) gives them.
#pragma once

#include <string>

namespace cindermoor {

class SettingValues {
 public:
  virtual ~SettingValues() = default;
  // "" for a setting that is not there.
  virtual std::string Read(const std::string& key) = 0;
  virtual void Write(const std::string& key, const std::string& value) = 0;
  virtual void Remove(const std::string& key) = 0;
};

}  // namespace cindermoor
