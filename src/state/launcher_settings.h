// The launcher's own settings: one application and section, and the keys it uses.
#pragma once

#include <string>

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

class LauncherSettings {
 public:
  static constexpr const char* kApplication = "Launcher";
  static constexpr const char* kSection = "Program Settings";

  explicit LauncherSettings(SettingsStore& store) : store_(store) {}

  std::string Read(const std::string& key) {
    return store_.ReadSetting(kApplication, kSection, key);
  }
  void Write(const std::string& key, const std::string& value) {
    store_.WriteSetting(kApplication, kSection, key, value);
  }
  void Remove(const std::string& key) { store_.RemoveSetting(kApplication, kSection, key); }

 private:
  SettingsStore& store_;
};

}  // namespace cindermoor
