// What a screen reader hears of the three windows' controls through Active Accessibility.
#include <windows.h>
#include <gtest/gtest.h>
#include <oleacc.h>

#include <string>

#include "host/ui/forms_world.h"
#include "ui/locator_form.h"
#include "ui/quit_form.h"
#include "ui/win32/file_system_win32.h"
#include "ui/win32/locator_window.h"
#include "ui/win32/main_window.h"
#include "ui/win32/quit_window.h"
#include "window_pixels.h"

namespace cindermoor::win32 {
namespace {

struct Heard {
  long role = -1;
  std::wstring name;
};

Heard HeardOf(HWND control) {
  Heard heard;
  IAccessible* object = nullptr;
  if (FAILED(::AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object)))) {
    return heard;
  }
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  VARIANT role{};
  if (SUCCEEDED(object->get_accRole(self, &role)) && role.vt == VT_I4) heard.role = role.lVal;
  BSTR name = nullptr;
  if (SUCCEEDED(object->get_accName(self, &name)) && name) heard.name = name;
  ::SysFreeString(name);
  object->Release();
  return heard;
}

class AccessibilityTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    mainWindow.Connect(mainForm);
    mainForm.Show();
    locator.Create(locatorForm);
    quit.Create(quitForm);
    testing::HandlePendingMessages();
  }
  void TearDown() override { ::CoUninitialize(); }

  fakes::FormsWorld world;
  MainWindow mainWindow{[] {}};
  MainForm mainForm{MainFormServices{world.settings, world.protocol, world.programs, world.dialogs,
                                     world.program, world.voiceClients, [] {}},
                    mainWindow};
  FileSystemWin32 files;
  LocatorWindow locator;
  LocatorForm locatorForm{world.settings, world.form, files, locator};
  QuitWindow quit;
  QuitForm quitForm{world.settings, world.voiceClients, world.program, quit, world.log};
};

// Found by class and text, so a control that is missing, misnamed or of the wrong role fails.
TEST_F(AccessibilityTest, ButtonsAndTheLaunchBoxAreNamedByWhatTheyDo) {
  const struct {
    HWND window;
    const wchar_t* className;
    const wchar_t* name;
    long role = ROLE_SYSTEM_PUSHBUTTON;  // 0: the system's own, which Wine does not know
  } kButtons[] = {
      {mainWindow.Handle(), L"CindermoorPicture", L"OK"},
      {mainWindow.Handle(), L"CindermoorPicture", L"Install"},
      {mainWindow.Handle(), L"CindermoorPicture", L"Un-Install"},
      {mainWindow.Handle(), L"CindermoorPicture", L"change"},
      {mainWindow.Handle(), L"CindermoorPicture", L"Servers"},
      {mainWindow.Handle(), L"CindermoorPicture", L"Cindermoor Launcher web site"},
      {locator.Handle(), L"CindermoorPicture", L"OK"},
      {quit.Handle(), L"Static", L"Click here to quit."},
      {mainWindow.Handle(), L"Button", L"Launch RogerWilco on game connection?", 0},
  };
  for (const auto& button : kButtons) {
    const HWND control = ::FindWindowExW(button.window, nullptr, button.className, button.name);
    ASSERT_NE(control, nullptr) << button.name;
    const Heard heard = HeardOf(control);
    if (button.role) EXPECT_EQ(heard.role, button.role) << button.name;
    EXPECT_EQ(heard.name, button.name);
  }
}

TEST_F(AccessibilityTest, EntryBoxesAreNamedByTheirLabels) {
  HWND box = nullptr;
  for (const wchar_t* label : {L"Server:", L"Channel:", L"Password:"}) {
    box = ::FindWindowExW(mainWindow.Handle(), box, L"Edit", nullptr);
    ASSERT_NE(box, nullptr) << label;
    EXPECT_EQ(HeardOf(box).name, label);
  }
}

}  // namespace
}  // namespace cindermoor::win32
