// The launcher's own settings: one application and section, and the keys it uses.
#pragma once

#include <cmath>
#include <map>
#include <optional>
#include <string>

#include "common/setting_number.h"
#include "state/settings_store.h"

namespace cindermoor {

namespace setting {
inline constexpr const char* kTribesPath = "TribesPath";
inline constexpr const char* kServer = "Server";
inline constexpr const char* kChannel = "Channel";
inline constexpr const char* kPassword = "Password";
inline constexpr const char* kRogerWilcoLaunch = "RogerWilcoLaunch";
inline constexpr const char* kUseTWRW = "UseTWRW";
inline constexpr const char* kInstalled = "Installed";
inline constexpr const char* kPath = "Path";
// Which voice client a served link starts ("" or "RogerWilco": Roger Wilco; "Mumble"), and
// the player's name in Mumble ("" lets Mumble ask for one).
inline constexpr const char* kVoiceClient = "VoiceClient";
inline constexpr const char* kVoiceName = "VoiceName";
// What Install changed in the Linux desktop's mimeapps.list, so that Un-Install can give it
// back: the earlier default for tribes:// links, and the file's length in bytes before Install
// appended its [Default Applications] group ("none": there was no file).
inline constexpr const char* kLinuxTribesDefault = "LinuxTribesDefault";
inline constexpr const char* kLinuxMimeAppsLength = "LinuxMimeAppsLength";
// The Linux-side problem a start last told the user of, so that it is told once.
inline constexpr const char* kLinuxProblemTold = "LinuxProblemTold";
}  // namespace setting

enum class VoiceClient { RogerWilco, Mumble };

// Only the exact "Mumble" chooses Mumble: Roger Wilco stays the default for anything else.
inline VoiceClient ParseVoiceClient(const std::string& stored) {
  return stored == "Mumble" ? VoiceClient::Mumble : VoiceClient::RogerWilco;
}

inline const char* StoredVoiceClient(VoiceClient client) {
  return client == VoiceClient::Mumble ? "Mumble" : "RogerWilco";
}

// The launch box's stored value, read the same way wherever it is read: 0 or 1, a number that
// rounds to one of them included ("0.6" is 1); anything else is nullopt, as on a first run.
inline std::optional<int> ParseLaunchBox(const std::string& stored) {
  const std::optional<double> number = NumberOf(stored);
  if (!number) return std::nullopt;
  const double whole = std::nearbyint(*number);
  if (whole != 0 && whole != 1) return std::nullopt;
  return static_cast<int>(whole);
}

// Each setting is read from the store once per run; later reads give that value, or what this
// run wrote since. So the whole run works from the values it started with, whatever another
// copy of the program stores meanwhile.
class LauncherSettings {
 public:
  static constexpr const char* kApplication = "Launcher";
  static constexpr const char* kSection = "Program Settings";

  explicit LauncherSettings(SettingsStore& store) : store_(store) {}

  std::string Read(const std::string& key) {
    const auto known = values_.find(key);
    if (known != values_.end()) return known->second;
    return values_[key] = store_.ReadSetting(kApplication, kSection, key);
  }
  // A value the store refused is not taken either: the failure ends the run.
  void Write(const std::string& key, const std::string& value) {
    store_.WriteSetting(kApplication, kSection, key, value);
    values_[key] = value;
  }
  void Remove(const std::string& key) {
    store_.RemoveSetting(kApplication, kSection, key);
    values_[key] = "";
  }

 private:
  SettingsStore& store_;
  std::map<std::string, std::string> values_;
};

}  // namespace cindermoor
