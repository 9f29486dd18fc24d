// The quit window on screen: its size and look, and which clicks end the run.
#include "ui/win32/quit_window.h"

#include <gtest/gtest.h>

#include <string>

#include "host/ui/forms_world.h"
#include "window_kit/win32/window_instance.h"
#include "window_pixels.h"

namespace cindermoor::win32 {
namespace {

constexpr Rgb kYellow{255, 255, 0};

class QuitWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(ScreenDpi(), 96) << "the sizes below are the 96-DPI design";
    world.InstallVoiceClient("C:\\RogerWilco");
    window.Create(form);
    ASSERT_NE(window.Handle(), nullptr);
    testing::HandlePendingMessages();  // the text line comes with the first message
    label = ::FindWindowExW(window.Handle(), nullptr, L"Static", nullptr);
    ASSERT_NE(label, nullptr);
  }

  // A click as the mouse gives it to whichever window answers the hit test at that point.
  void ClickAt(POINT client) {
    POINT screen = client;
    ::ClientToScreen(window.Handle(), &screen);
    HWND target = ::ChildWindowFromPointEx(window.Handle(), client, CWP_ALL);
    const auto hit = ::SendMessageW(target, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
    if (hit == HTTRANSPARENT) target = window.Handle();
    POINT local = screen;
    ::ScreenToClient(target, &local);
    ::SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(local.x, local.y));
    ::SendMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(local.x, local.y));
  }

  fakes::FormsWorld world;
  QuitWindow window;
  QuitForm form{world.settings, world.voiceClients, world.program, window, world.log};
  HWND label = nullptr;
};

TEST_F(QuitWindowTest, IsABorderlessBlackWindowOfTheDesignSize) {
  RECT client{};
  ::GetClientRect(window.Handle(), &client);
  EXPECT_EQ(client.right, 350);
  EXPECT_EQ(client.bottom, 199);
  RECT outer{};
  ::GetWindowRect(window.Handle(), &outer);
  EXPECT_EQ(outer.right - outer.left, 350);
  EXPECT_EQ(outer.bottom - outer.top, 199);
  EXPECT_EQ(::GetWindowLongW(window.Handle(), GWL_STYLE) & WS_CAPTION, 0);
  EXPECT_NE(::GetWindowLongW(window.Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
  EXPECT_EQ(WindowText(window.Handle()), L"Cindermoor Launcher");
  EXPECT_EQ(WindowText(label), L"Click here to quit.");
  RECT labelRect{};
  ::GetWindowRect(label, &labelRect);
  ::MapWindowPoints(nullptr, window.Handle(), reinterpret_cast<POINT*>(&labelRect), 2);
  EXPECT_EQ(labelRect.left, 0);
  EXPECT_EQ(labelRect.top, 176);
  EXPECT_EQ(labelRect.right, 345);
  EXPECT_EQ(labelRect.bottom, 193);
}

TEST_F(QuitWindowTest, ShowsTheYellowLogoOnBlack) {
  testing::PrintedWindow printed(window.Handle());

  EXPECT_EQ(printed.at(2, 2), kBlack);
  EXPECT_EQ(printed.at(349, 100), kBlack);
  // The logo's 240 x 128 pixels start at (56, 40).
  EXPECT_GT(printed.CountOf(kLogoYellow, 56, 40, 296, 168), 500);
  EXPECT_EQ(printed.CountOf(kLogoYellow, 0, 0, 56, 176), 0);
}

TEST_F(QuitWindowTest, TheLabelsEmptyLeftPartEndsTheRun) {
  world.settings.Write(setting::kLaunchVoiceClient, "1");

  ClickAt({5, 184});

  EXPECT_EQ(world.program.ends, 1);
  ASSERT_EQ(world.starter.starts.size(), 1u);
  EXPECT_EQ(world.starter.starts[0].commandLine, "roger.exe /shutdown");
  EXPECT_EQ(WindowText(label), L"Thank-you!");
}

TEST_F(QuitWindowTest, ClicksOnTheLogoOrBesideTheLabelDoNothing) {
  for (POINT elsewhere : {POINT{150, 100}, POINT{10, 10}, POINT{347, 184}, POINT{100, 196}}) {
    ClickAt(elsewhere);
  }

  EXPECT_EQ(world.program.ends, 0);
  EXPECT_EQ(WindowText(label), L"Click here to quit.");
}

TEST_F(QuitWindowTest, AKeyboardCloseEndsTheRunLikeTheClick) {
  world.settings.Write(setting::kLaunchVoiceClient, "0");

  ::SendMessageW(window.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);

  EXPECT_EQ(world.program.ends, 1);
  EXPECT_TRUE(world.starter.starts.empty());
  EXPECT_TRUE(::IsWindow(window.Handle()));
}

// As the program's message loop hands a key to the dialog manager; each key is a new click.
TEST_F(QuitWindowTest, EnterSpaceAndEscEachEndTheRunLikeTheClick) {
  world.settings.Write(setting::kLaunchVoiceClient, "1");
  window.Show();
  ASSERT_EQ(::GetFocus(), window.Handle());
  int ends = 0;
  for (WPARAM key : {VK_RETURN, VK_SPACE, VK_ESCAPE}) {
    MSG message{window.Handle(), WM_KEYDOWN, key, 0, 0, {}};
    ::IsDialogMessageW(window.Handle(), &message);
    EXPECT_EQ(world.program.ends, ++ends) << "key " << key;
    EXPECT_EQ(world.starter.starts.size(), static_cast<size_t>(ends)) << "key " << key;
  }
}

}  // namespace
}  // namespace cindermoor::win32
