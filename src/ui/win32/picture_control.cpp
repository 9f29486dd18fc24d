// The picture buttons: drawn pictures that answer a mouse click and never take the focus,
// so the keyboard order of the window is made of its other controls only.
#include "ui/win32/picture_control.h"

#include <windowsx.h>

#include <memory>
#include <string>
#include <string_view>

#include "ui/win32/picture_drawing.h"
#include "ui/win32/window_instance.h"
#include "win32/device_context.h"
#include "win32/text.h"
#include "win32/unique_handle.h"

namespace cindermoor::win32 {
namespace {

constexpr wchar_t kPictureControlClass[] = L"CindermoorPicture";

// One per picture window, which owns it from WM_NCCREATE to WM_NCDESTROY.
class PictureControl {
 public:
  static constexpr bool kOwnedByWindow = true;

  PictureControl(Picture picture, int dpi) : painter_(picture, dpi) {}

  SIZE Size() const { return painter_.Size(); }
  void Attach(HWND window) { window_ = window; }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void Paint() const;
  void OnButtonDown();
  void OnButtonUp(POINT where);

  PicturePainter painter_;
  HWND window_ = nullptr;
  bool pressed_ = false;
};

// Drawn off screen first, so a repaint never shows the black ground without its drawing.
void PictureControl::Paint() const {
  const PaintDc paint(window_);
  const SIZE size = Size();
  const UniqueHdc memory(::CreateCompatibleDC(paint.get()));
  const UniqueHbitmap bitmap(::CreateCompatibleBitmap(paint.get(), size.cx, size.cy));
  if (memory && bitmap) {
    SelectedObject selected(memory.get(), bitmap.get());
    painter_.Draw(memory.get());
    ::BitBlt(paint.get(), 0, 0, size.cx, size.cy, memory.get(), 0, 0, SRCCOPY);
  } else {
    painter_.Draw(paint.get());
  }
}

// Unlike a push button this never calls SetFocus, and mouse activation is left to the
// parent, so a click activates the window as usual but leaves the focus where it was.
void PictureControl::OnButtonDown() {
  pressed_ = true;
  ::SetCapture(window_);
}

// A click is a press and a release both on the picture, as with a push button. The parent
// may hide or destroy this window while it handles the click, so nothing touches the
// control afterwards.
void PictureControl::OnButtonUp(POINT where) {
  if (!pressed_) return;
  pressed_ = false;
  ::ReleaseCapture();
  RECT client{};
  ::GetClientRect(window_, &client);
  if (!::PtInRect(&client, where)) return;
  const HWND window = window_;
  ::SendMessageW(::GetParent(window), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(window), BN_CLICKED),
                 reinterpret_cast<LPARAM>(window));
}

LRESULT PictureControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_PRINTCLIENT:
      painter_.Draw(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the picture covers the whole window
    case WM_LBUTTONDOWN:
      OnButtonDown();
      return 0;
    case WM_LBUTTONUP:
      OnButtonUp({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_CAPTURECHANGED:
      pressed_ = false;
      return 0;
  }
  return ::DefWindowProcW(window_, message, wParam, lParam);
}

// The picture as a user would name it, for the message when it cannot be made.
std::string NameOf(Picture picture) {
  const std::string_view caption = DesignOf(picture).caption;
  return caption.empty() ? "the logo" : "the " + std::string(caption) + " button";
}

}  // namespace

HWND CreatePictureControl(HWND parent, int id, Picture picture, int x, int y, int dpi) {
  RegisterInstanceClass<PictureControl>(kPictureControlClass, nullptr, nullptr);
  auto control = std::make_unique<PictureControl>(picture, dpi);
  const SIZE size = control->Size();
  const HWND window = ::CreateWindowExW(
      0, kPictureControlClass, L"", WS_CHILD | WS_VISIBLE, x, y, size.cx, size.cy, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), &control);
  if (!window) {
    const DWORD error = ::GetLastError();
    throw FatalError(DescribeError("Cannot make " + NameOf(picture), error));
  }
  return window;
}

}  // namespace cindermoor::win32
