// The per-user settings in the real registry, under an application name of the test's own.
#include "state/win32/settings_store_win32.h"

#include <windows.h>
#include <gtest/gtest.h>
#include <sddl.h>

#include <string>

#include "common/fatal_error.h"
#include "state/launcher_settings.h"
#include "throwaway_key.h"
#include "win32/text.h"
#include "win32/unique_handle.h"

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

  // Gives the section key the access rights in sddl, as an administrator might have set them.
  void SetSectionAccess(const wchar_t* sddl) {
    const std::wstring section = Widen(SettingsStoreWin32::SectionKey(application(), kSection));
    UniqueHkey key;
    ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, section.c_str(), 0, WRITE_DAC, key.put()),
              ERROR_SUCCESS);
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_TRUE(::ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1,
                                                                       &descriptor, nullptr));
    EXPECT_EQ(::RegSetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, descriptor), ERROR_SUCCESS);
    ::LocalFree(descriptor);
  }

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

// A section the user may read but not change: the removal did not happen, and says why.
TEST_F(SettingsStoreWin32Test, ARefusedRemovalIsAFatalErrorWithTheSystemsReason) {
  store_.WriteSetting(application(), kSection, "Installed", "1");
  SetSectionAccess(L"D:(A;;KR;;;WD)");
  try {
    store_.RemoveSetting(application(), kSection, "Installed");
    ADD_FAILURE() << "a refused removal passed for done";
  } catch (const FatalError& error) {
    EXPECT_NE(std::string(error.what()).find("Cannot remove the setting Installed: "),
              std::string::npos)
        << error.what();
    EXPECT_NE(std::string(error.what()).find("(error 5)"), std::string::npos) << error.what();
  }
  SetSectionAccess(L"D:(A;;KA;;;WD)");  // so the test's key can go
  EXPECT_EQ(RawValue("Installed"), L"1");
}

}  // namespace
}  // namespace cindermoor::win32
