// The main window on screen: it shows the form's state when first made, and the user's typing
// and clicks reach the form through the controls.
#include "ui/win32/main_window.h"

#include <gtest/gtest.h>

#include <string>

#include "host/ui/forms_world.h"
#include "win32/device_context.h"
#include "win32/unique_handle.h"
#include "window_kit/win32/window_instance.h"

namespace cindermoor::win32 {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.Connect(form);
    form.SetText(EntryBox::Server, "rw.example:3782");
    form.SetLaunchBox(1);
    form.Show();
    ASSERT_NE(window.Handle(), nullptr);
  }

  HWND Child(const wchar_t* className, int index) const {
    HWND child = nullptr;
    for (int i = 0; i <= index; ++i)
      child = ::FindWindowExW(window.Handle(), child, className, nullptr);
    return child;
  }

  // A picture button by its caption, which is its window text.
  HWND Picture(const wchar_t* caption) const {
    return ::FindWindowExW(window.Handle(), nullptr, L"CindermoorPicture", caption);
  }

  static void Click(HWND control) {
    ::SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }

  fakes::FormsWorld world;
  int closes = 0;
  MainWindow window{[this] { ++closes; }};
  MainForm form{MainFormServices{world.settings, world.protocol, world.programs, world.dialogs,
                                 world.program, world.voiceClients, [] {}},
                window};
};

TEST_F(MainWindowTest, ShowsWhatTheFormHeldBeforeItWasMade) {
  EXPECT_EQ(WindowText(Child(L"Edit", 0)), L"rw.example:3782");
  EXPECT_EQ(::SendMessageW(Child(L"Button", 0), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(WindowText(window.Handle()), L".: Cindermoor :.");
}

// Drawn in the system's button-text colour, the caption would be black on the black ground.
TEST_F(MainWindowTest, TheVoiceFramesCaptionIsYellowAsTheOtherTexts) {
  const HWND frame = ::FindWindowExW(window.Handle(), nullptr, L"Button", L"Roger Wilco Settings");
  const UniqueHdc printed(::CreateCompatibleDC(nullptr));
  const UniqueHbitmap bitmap(::CreateCompatibleBitmap(WindowDc(frame).get(), 150, 16));
  SelectedObject selected(printed.get(), bitmap.get());
  ::SendMessageW(frame, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.get()), PRF_CLIENT);
  int yellow = 0;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 150; ++x) yellow += ::GetPixel(printed.get(), x, y) == RGB(255, 255, 0);
  }
  EXPECT_GT(yellow, 30);
}

TEST_F(MainWindowTest, TypingInABoxStoresItsSetting) {
  ::SetWindowTextW(Child(L"Edit", 1), L"42");
  EXPECT_EQ(world.settings.Read(setting::kChannel), "42");
  EXPECT_EQ(form.Text(EntryBox::Channel), "42");
}

// Edits in creation order: server, channel, password, then the name in voice.
// The Name box shows only while a client that takes a name is chosen.
TEST_F(MainWindowTest, TheVoiceClientChoiceAndTheNameReachTheForm) {
  EXPECT_FALSE(::IsWindowVisible(Child(L"Edit", 3)));
  ::SendMessageW(::FindWindowExW(window.Handle(), nullptr, L"Button", L"Mumble"), BM_CLICK, 0, 0);
  EXPECT_TRUE(::IsWindowVisible(Child(L"Edit", 3)));
  EXPECT_NE(::FindWindowExW(window.Handle(), nullptr, L"Button", L"Mumble Settings"), nullptr);
  ::SetWindowTextW(Child(L"Edit", 3), L"Zo\u00eb");
  EXPECT_EQ(world.settings.Read(setting::kVoiceClient), "Mumble");
  EXPECT_EQ(world.settings.Read(setting::kVoiceName), "Zo\xc3\xab");
}

TEST_F(MainWindowTest, InstallAndUninstallSwapTheirButtons) {
  HWND install = Picture(L"Install");
  HWND uninstall = Picture(L"Un-Install");
  form.SetPictureVisible(MainControl::UninstallButton, false);

  Click(install);
  EXPECT_EQ(world.settings.Read(setting::kInstalled), "1");
  EXPECT_FALSE(::IsWindowVisible(install));
  EXPECT_TRUE(::IsWindowVisible(uninstall));

  Click(uninstall);
  EXPECT_EQ(world.settings.Read(setting::kInstalled), "");
  EXPECT_TRUE(::IsWindowVisible(install));
  EXPECT_FALSE(::IsWindowVisible(uninstall));
}

TEST_F(MainWindowTest, ClosingFromTheTitleBarIsHandedToTheProgram) {
  ::SendMessageW(window.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(closes, 1);
  EXPECT_TRUE(::IsWindow(window.Handle()));
}

// As the program's message loop hands a key to the dialog manager.
TEST_F(MainWindowTest, EscIsTheTitleBarsCloseAndEnterInABoxIsOk) {
  const auto press = [this](HWND focus, WPARAM key) {
    ::SetFocus(focus);
    MSG message{focus, WM_KEYDOWN, key, 0, 0, {}};
    ::IsDialogMessageW(window.Handle(), &message);
  };
  press(Child(L"Edit", 0), VK_ESCAPE);
  EXPECT_EQ(closes, 1);
  EXPECT_EQ(world.program.ends, 0);

  press(Child(L"Edit", 0), VK_RETURN);
  EXPECT_EQ(world.program.ends, 1);
  EXPECT_EQ(closes, 1);
}

}  // namespace
}  // namespace cindermoor::win32
