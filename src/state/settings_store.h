// The per-user settings: named strings under an application and a section.
#pragma once

#include <string>

namespace cindermoor {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // An absent key reads "".
  virtual std::string ReadSetting(const std::string& application, const std::string& section,
                                  const std::string& key) = 0;
  // A store that refuses a write or a removal throws FatalError: the program cannot keep the
  // user's choices, and says so rather than go on as if it had.
  virtual void WriteSetting(const std::string& application, const std::string& section,
                            const std::string& key, const std::string& value) = 0;
  // Removing an absent key is ignored.
  virtual void RemoveSetting(const std::string& application, const std::string& section,
                             const std::string& key) = 0;
};

}  // namespace cindermoor
