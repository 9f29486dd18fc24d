#include "state/win32/settings_store_win32.h"

#include "common/fatal_error.h"
#include "text/text.h"

namespace cindermoor::win32 {

std::string SettingsStoreWin32::SectionKey(const std::string& application,
                                           const std::string& section) {
  return "Software\\Cindermoor\\" + application + "\\" + section;
}

// Every call goes to the registry: two overlapping runs of the program see each other's changes.
std::string SettingsStoreWin32::ReadSetting(const std::string& application,
                                            const std::string& section, const std::string& key) {
  return registry_.GetRegString(RegRoot::CurrentUser, SectionKey(application, section), key, "");
}

void SettingsStoreWin32::WriteSetting(const std::string& application, const std::string& section,
                                      const std::string& key, const std::string& value) {
  const Outcome stored =
      registry_.SetRegString(RegRoot::CurrentUser, SectionKey(application, section), key, value);
  if (!stored.Succeeded()) {
    throw FatalError(
        Text("fatal.cannot_store_setting", {{"key", key}, {"reason", stored.Reason()}}));
  }
}

void SettingsStoreWin32::RemoveSetting(const std::string& application, const std::string& section,
                                       const std::string& key) {
  // A section that was never written has nothing to remove, and a missing value is ignored
  // too; any other refusal is a failure like a refused write.
  const Outcome removed =
      registry_.DeleteRegValue(RegRoot::CurrentUser, SectionKey(application, section), key);
  if (!removed.Succeeded()) {
    throw FatalError(Text("fatal.cannot_remove_setting", {{"key", key}}) + ": " + removed.Reason());
  }
}

}  // namespace cindermoor::win32
