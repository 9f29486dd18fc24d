// The per-user settings in the real registry, under an application name of the test's own.
#include "state/win32/settings_store_win32.h"

#include <gtest/gtest.h>

#include <string>

#include "state/launcher_settings.h"
#include "throwaway_key.h"
#include "win32/text.h"

namespace cindermoor::win32 {
namespace {

const char* const kSection = "Program Settings";

class SettingsStoreWin32Test : public ::testing::Test {
 protected:
  // The stored value's type and text, read past the store; nullopt when absent.
  std::optional<std::wstring> RawValue(const std::string& key) {
    const std::wstring section = Widen(SettingsStoreWin32::SectionKey(application(), kSection));
    wchar_t text[512] = {};
    DWORD bytes = sizeof(text);
    if (::RegGetValueW(HKEY_CURRENT_USER, section.c_str(), Widen(key).c_str(), RRF_RT_REG_SZ,
                       nullptr, text, &bytes) != ERROR_SUCCESS) {
      return std::nullopt;
    }
    return std::wstring(text);
  }
  const std::string& application() const { return application_.Name(); }

  ThrowawayKey application_{HKEY_CURRENT_USER, "Software\\Cindermoor"};
  SettingsStoreWin32 store_;
};

TEST_F(SettingsStoreWin32Test, TheLauncherKeepsItsSettingsUnderItsOwnKey) {
  EXPECT_EQ(
      SettingsStoreWin32::SectionKey(LauncherSettings::kApplication, LauncherSettings::kSection),
      "Software\\Cindermoor\\Launcher\\Program Settings");
}

TEST_F(SettingsStoreWin32Test, ValuesRoundTripAsRegSz) {
  struct Case {
    const char* key;
    std::string value;
  };
  const Case cases[] = {
      {"Flag", "1"},
      {"Empty", ""},
      {"TribesPath", "C:\\Spiele\\Tribes \xC3\xBC \xE6\x97\xA5\xE6\x9C\xAC"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    store_.WriteSetting(application(), kSection, c.key, c.value);
    EXPECT_EQ(store_.ReadSetting(application(), kSection, c.key), c.value);
    EXPECT_EQ(RawValue(c.key), Widen(c.value));
  }
  store_.WriteSetting(application(), kSection, "Flag", "0");
  EXPECT_EQ(store_.ReadSetting(application(), kSection, "Flag"), "0");
}

TEST_F(SettingsStoreWin32Test, AbsentKeysReadEmpty) {
  EXPECT_EQ(store_.ReadSetting(application(), kSection, "Never"), "");
  store_.WriteSetting(application(), kSection, "Other", "x");
  EXPECT_EQ(store_.ReadSetting(application(), kSection, "Never"), "");
  EXPECT_EQ(store_.ReadSetting(application(), "Another Section", "Other"), "");
}

TEST_F(SettingsStoreWin32Test, RemoveTakesOneKeyAndIgnoresAbsentOnes) {
  store_.RemoveSetting(application(), kSection, "Installed");  // section not there yet
  store_.WriteSetting(application(), kSection, "Installed", "1");
  store_.WriteSetting(application(), kSection, "Path", "C:\\Games");

  store_.RemoveSetting(application(), kSection, "Installed");
  store_.RemoveSetting(application(), kSection, "Installed");

  EXPECT_EQ(RawValue("Installed"), std::nullopt);
  EXPECT_EQ(store_.ReadSetting(application(), kSection, "Path"), "C:\\Games");
}

}  // namespace
}  // namespace cindermoor::win32
