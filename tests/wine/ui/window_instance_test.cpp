// The shared window procedure's hold on a window's object, and class registration failing.
#include "ui/win32/window_instance.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "common/fatal_error.h"

namespace cindermoor::win32 {
namespace {

constexpr wchar_t kOwnedClass[] = L"CindermoorOwnedTestWindow";

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
