// The shared window procedure's hold on a window's object, its guard around every handler, and
// class registration failing.
#include "window_kit/win32/window_instance.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

#include "common/fatal_error.h"
#include "log/win32/log_file_win32.h"

namespace cindermoor::win32 {
namespace {

constexpr wchar_t kOwnedClass[] = L"CindermoorOwnedTestWindow";
constexpr wchar_t kFailingClass[] = L"CindermoorFailingTestWindow";

// Counts its own destruction, so a test can see whether the window let it go exactly once.
class OwnedObject {
 public:
  static constexpr bool kOwnedByWindow = true;

  OwnedObject(int& destroyed, bool refuseCreation)
      : destroyed_(destroyed), refuseCreation_(refuseCreation) {}
  ~OwnedObject() { ++destroyed_; }

  void Attach(HWND window) { window_ = window; }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE && refuseCreation_) return -1;
    return ::DefWindowProcW(window_, message, wParam, lParam);
  }

 private:
  int& destroyed_;
  bool refuseCreation_;
  HWND window_ = nullptr;
};

TEST(WindowInstance, AWindowOwnsItsObjectFromCreationToDestruction) {
  RegisterInstanceClass<OwnedObject>(kOwnedClass, nullptr, nullptr);
  struct Case {
    const char* name;
    bool refuseCreation;
    HWND parent;  // a child of a missing parent fails before the window takes the object
    bool madeByWindow;
  };
  const HWND missing =
      ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  ::DestroyWindow(missing);
  for (const Case& c :
       {Case{"made", false, nullptr, true}, Case{"refused in WM_CREATE", true, nullptr, false},
        Case{"no parent", false, missing, false}}) {
    SCOPED_TRACE(c.name);
    int destroyed = 0;
    auto object = std::make_unique<OwnedObject>(destroyed, c.refuseCreation);
    const HWND window =
        ::CreateWindowExW(0, kOwnedClass, L"", c.parent ? WS_CHILD : WS_POPUP, 0, 0, 10, 10,
                          c.parent, nullptr, ::GetModuleHandleW(nullptr), &object);
    ASSERT_EQ(window != nullptr, c.madeByWindow);
    if (window) {
      EXPECT_EQ(object, nullptr) << "the window took the object";
      EXPECT_EQ(destroyed, 0);
      ::DestroyWindow(window);
    }
    object.reset();
    EXPECT_EQ(destroyed, 1);
  }
}

// Throws whatever it is given from its handling of WM_APP.
class FailingObject {
 public:
  explicit FailingObject(std::function<void()> fail) : fail_(std::move(fail)) {}
  void Attach(HWND window) { window_ = window; }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) fail_();
    return ::DefWindowProcW(window_, message, wParam, lParam);
  }

 private:
  std::function<void()> fail_;
  HWND window_ = nullptr;
};

// The text of the message box this thread shows; it is closed once read.
std::wstring reported;

BOOL CALLBACK KeepMessageBox(HWND window, LPARAM found) {
  wchar_t className[8] = {};
  ::GetClassNameW(window, className, 8);
  if (std::wstring(className) != L"#32770") return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

void CALLBACK ReadAndCloseMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), KeepMessageBox, reinterpret_cast<LPARAM>(&box));
  if (!box) return;
  ::KillTimer(nullptr, timer);
  reported = WindowText(::GetDlgItem(box, 0xFFFF));
  ::PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST(WindowInstance, AHandlerThatFailsIsReportedAndEndsTheProgramInsteadOfUnwindingIntoWindows) {
  RegisterInstanceClass<FailingObject>(kFailingClass, nullptr, nullptr);
  struct Case {
    const char* name;
    std::function<void()> fail;
    std::wstring message;
  };
  const Case cases[] = {
      {"fatal error", [] { throw FatalError("Cannot store the setting Path: full"); },
       L"Cannot store the setting Path: full"},
      {"standard exception", [] { throw std::length_error("too long"); }, L"too long"},
      {"anything else", [] { throw 42; }, L"An unexpected error stopped Cindermoor Launcher."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FailingObject object(c.fail);
    const HWND window = ::CreateWindowExW(0, kFailingClass, L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                          nullptr, ::GetModuleHandleW(nullptr), &object);
    ASSERT_NE(window, nullptr);
    reported.clear();
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, ReadAndCloseMessageBox);

    EXPECT_NO_THROW(::SendMessageW(window, WM_APP, 0, 0));

    ::KillTimer(nullptr, timer);
    // Every error message ends with where the log is.
    EXPECT_EQ(reported, Widen(WithLogPlace(Narrow(c.message))));
    MSG quit{};
    EXPECT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 1u);
    DetachInstance(window);
    ::DestroyWindow(window);
  }
}

TEST(WindowInstance, AClassThatCannotBeRegisteredIsAFatalErrorNamingIt) {
  // "#N" names the integer atom N, and integer atoms end below 0xC000, so Windows refuses this
  // name. (Over-long names are refused too, but Wine 8 overruns its heap on them.)
  try {
    RegisterInstanceClass<OwnedObject>(L"#65535", nullptr, nullptr);
    FAIL() << "no error for a class name Windows refuses";
  } catch (const FatalError& error) {
    EXPECT_NE(std::string(error.what()).find("window class #65535: "), std::string::npos)
        << error.what();
  }
}

}  // namespace
}  // namespace cindermoor::win32
