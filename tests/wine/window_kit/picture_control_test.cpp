// The picture button window: click and key notification, focus and printing.
#include "window_kit/win32/picture_control.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/fatal_error.h"
#include "win32/device_context.h"
#include "win32/unique_handle.h"
#include "window_kit/win32/picture_drawing.h"

namespace cindermoor::win32 {
namespace {

constexpr int kPictureId = 42;
constexpr int kEditId = 7;
constexpr wchar_t kParentClass[] = L"CindermoorPictureTestParent";

struct Command {
  WPARAM wParam;
  LPARAM lParam;
};

LRESULT CALLBACK RecordingParent(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // The edit box's own notifications are not what these tests look for.
  if (message == WM_COMMAND && LOWORD(wParam) != kEditId) {
    auto* commands =
        reinterpret_cast<std::vector<Command>*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (commands != nullptr) commands->push_back({wParam, lParam});
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

using UniqueHwnd = Unique<HWND, &::DestroyWindow>;

class PictureControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = RecordingParent;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kParentClass;
    ::RegisterClassW(&windowClass);
    parent_.reset(::CreateWindowExW(0, kParentClass, L"parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                    0, 400, 300, nullptr, nullptr, ::GetModuleHandleW(nullptr),
                                    nullptr));
    ASSERT_TRUE(parent_);
    ::SetWindowLongPtrW(parent_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&commands_));
    edit_ =
        ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 200, 200, 100, 20,
                          parent_.get(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)),
                          ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(edit_, nullptr);
  }

  void Click(HWND control, int x, int y, int releaseX, int releaseY) {
    ::SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    ::SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(releaseX, releaseY));
  }

  std::vector<Command> commands_;
  UniqueHwnd parent_;
  HWND edit_ = nullptr;
};

TEST_F(PictureControlTest, ClickOnTheMarginNotifiesTheParentAndLeavesTheFocus) {
  const HWND control =
      CreatePictureControl(parent_.get(), kPictureId, Picture::UninstallButton, 10, 10, 96);
  ASSERT_NE(control, nullptr);
  ::SetFocus(edit_);
  Click(control, 0, 0, 0, 0);
  ASSERT_EQ(commands_.size(), 1u);
  EXPECT_EQ(LOWORD(commands_[0].wParam), kPictureId);
  EXPECT_EQ(HIWORD(commands_[0].wParam), BN_CLICKED);
  EXPECT_EQ(commands_[0].lParam, reinterpret_cast<LPARAM>(control));
  EXPECT_EQ(::GetFocus(), edit_);
}

// OK's frame is (3, 6)-(33, 24); its cue runs two pixels outside, dotted from (2, 4) on.
TEST_F(PictureControlTest, TabStopWhoseFocusShowsADottedFrameAndWhoseSpaceReleaseClicks) {
  const HWND control =
      CreatePictureControl(parent_.get(), kPictureId, Picture::OkButton, 10, 10, 96);
  ASSERT_NE(control, nullptr);
  EXPECT_NE(::GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP, 0);
  const auto printedAt = [control](int x, int y) {
    const UniqueHdc memory(::CreateCompatibleDC(nullptr));
    const UniqueHbitmap bitmap(::CreateCompatibleBitmap(WindowDc(control).get(), 38, 33));
    SelectedObject selected(memory.get(), bitmap.get());
    ::SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.get()), PRF_CLIENT);
    return ::GetPixel(memory.get(), x, y);
  };
  EXPECT_EQ(printedAt(2, 4), RGB(0, 0, 0));
  ::SetFocus(control);
  for (POINT dot : {POINT{2, 4}, POINT{34, 26}, POINT{1, 25}, POINT{35, 25}}) {
    EXPECT_EQ(printedAt(dot.x, dot.y), RGB(231, 209, 0)) << dot.x << ", " << dot.y;
  }
  EXPECT_EQ(printedAt(3, 4), RGB(0, 0, 0));  // the gap between two dots

  ::SendMessageW(control, WM_KEYUP, VK_SPACE, 0);  // a release whose press went elsewhere
  EXPECT_TRUE(commands_.empty());
  ::SendMessageW(control, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_TRUE(commands_.empty());
  ::SendMessageW(control, WM_KEYUP, VK_SPACE, 0);
  ASSERT_EQ(commands_.size(), 1u);
  EXPECT_EQ(commands_[0].wParam, MAKEWPARAM(kPictureId, BN_CLICKED));
}

TEST_F(PictureControlTest, ReleaseOffThePictureOrWithoutPressIsNoClick) {
  const HWND control =
      CreatePictureControl(parent_.get(), kPictureId, Picture::OkButton, 10, 10, 96);
  ASSERT_NE(control, nullptr);
  Click(control, 5, 5, 38, 5);  // released one pixel right of the bitmap
  ::SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(commands_.empty());
  Click(control, 37, 32, 37, 32);  // bottom-right pixel
  EXPECT_EQ(commands_.size(), 1u);
}

TEST_F(PictureControlTest, TakesTheScaledSizeAndPrintsThePicture) {
  const HWND control =
      CreatePictureControl(parent_.get(), kPictureId, Picture::ChangeButton, 3, 4, 144);
  ASSERT_NE(control, nullptr);
  RECT bounds{};
  ::GetWindowRect(control, &bounds);
  ::MapWindowPoints(HWND_DESKTOP, parent_.get(), reinterpret_cast<POINT*>(&bounds), 2);
  EXPECT_EQ(bounds.left, 3);
  EXPECT_EQ(bounds.top, 4);
  EXPECT_EQ(bounds.right - bounds.left, 99);
  EXPECT_EQ(bounds.bottom - bounds.top, 41);

  const UniqueHdc screen(::CreateCompatibleDC(nullptr));
  const UniqueHbitmap bitmap(::CreateCompatibleBitmap(WindowDc(control).get(), 99, 41));
  SelectedObject selected(screen.get(), bitmap.get());
  ::SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(screen.get()), PRF_CLIENT);
  const int frameLeft = ScaleForDpi(1, 144), frameTop = ScaleForDpi(4, 144);
  EXPECT_EQ(::GetPixel(screen.get(), frameLeft, frameTop), RGB(231, 209, 0));
  EXPECT_EQ(::GetPixel(screen.get(), 0, 0), RGB(0, 0, 0));
}

// A child needs a parent that exists; the failure names the picture, not just an error code.
TEST_F(PictureControlTest, AControlThatCannotBeMadeIsAFatalErrorNamingIt) {
  const HWND gone = parent_.get();
  parent_.reset();
  try {
    CreatePictureControl(gone, kPictureId, Picture::InstallButton, 0, 0, 96);
    FAIL() << "no error for a missing parent";
  } catch (const FatalError& error) {
    EXPECT_NE(std::string(error.what()).find("the Install button: "), std::string::npos)
        << error.what();
  }
}

}  // namespace
}  // namespace cindermoor::win32
