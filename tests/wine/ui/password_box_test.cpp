// The password box on screen: what it hands back for Enter and for Esc.
#include "ui/win32/password_box.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "win32/unique_handle.h"
#include "window_kit/win32/window_instance.h"

namespace cindermoor::win32 {
namespace {

// What the player does once the box shows, run from its own message loop by a timer: types a
// password and presses Enter, or presses Esc, in the entry box as the keyboard would.
void Press(WPARAM key, const wchar_t* typed) {
  const HWND box = ::FindWindowW(L"CindermoorPasswordBox", nullptr);
  const HWND entry = ::FindWindowExW(box, nullptr, L"Edit", nullptr);
  ::SetWindowTextW(entry, typed);
  ::PostMessageW(entry, WM_KEYDOWN, key, 1);
}

void CALLBACK TypeAndEnter(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  Press(VK_RETURN, L"s3 cret");
}

void CALLBACK Escape(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  Press(VK_ESCAPE, L"not taken");
}

TEST(PasswordBoxTest, EnterHandsBackWhatWasTypedAndEscNothingWhileTheOwnerWaits) {
  const UniqueHwnd owner(::CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 100,
                                           100, nullptr, nullptr, nullptr, nullptr));
  struct Case {
    TIMERPROC player;
    std::optional<std::string> answer;
  };
  for (const Case& c : {Case{TypeAndEnter, "s3 cret"}, Case{Escape, std::nullopt}}) {
    ::SetTimer(nullptr, 0, 100, c.player);
    PasswordBox box;
    EXPECT_EQ(box.Ask(owner.get(), "Cinder Pit"), c.answer);
    EXPECT_EQ(WindowText(::FindWindowExW(box.Handle(), nullptr, L"Static", nullptr)),
              L"Cinder Pit asks for a password:");
    EXPECT_FALSE(::IsWindowVisible(box.Handle()));
    EXPECT_TRUE(::IsWindowEnabled(owner.get()));
  }
}

}  // namespace
}  // namespace cindermoor::win32
