// The per-user settings in the current user's registry hive, one REG_SZ value per key under
// HKEY_CURRENT_USER\Software\Cindermoor\<application>\<section>.
#pragma once

#include "state/settings_store.h"
#include "state/win32/registry_win32.h"

namespace cindermoor::win32 {

class SettingsStoreWin32 : public SettingsStore {
 public:
  std::string ReadSetting(const std::string& application, const std::string& section,
                          const std::string& key) override;
  void WriteSetting(const std::string& application, const std::string& section,
                    const std::string& key, const std::string& value) override;
  void RemoveSetting(const std::string& application, const std::string& section,
                     const std::string& key) override;

  // The key, under HKEY_CURRENT_USER, that holds one section's values.
  static std::string SectionKey(const std::string& application, const std::string& section);

 private:
  RegistryWin32 registry_;
};

}  // namespace cindermoor::win32
