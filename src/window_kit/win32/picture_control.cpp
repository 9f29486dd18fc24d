// The picture buttons: drawn pictures that answer a click as push buttons do. A click leaves
// the focus where it was, so the mouse changes nothing else in the window; the keyboard
// reaches them with Tab, which is when their focus cue shows.
#include "window_kit/win32/picture_control.h"

#include <windowsx.h>

#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "text/text.h"
#include "win32/device_context.h"
#include "win32/text.h"
#include "win32/unique_handle.h"
#include "window_kit/win32/picture_drawing.h"
#include "window_kit/win32/push_button_accessible.h"
#include "window_kit/win32/window_instance.h"

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
  void Draw(HDC dc) const;
  void OnButtonDown();
  void OnButtonUp(POINT where);
  void OnFocusChange();
  void Click();

  PicturePainter painter_;
  HWND window_ = nullptr;
  bool pressed_ = false;
  bool spacePressed_ = false;
};

void PictureControl::Draw(HDC dc) const {
  painter_.Draw(dc);
  if (::GetFocus() == window_) painter_.DrawFocusCue(dc);
}

// Drawn off screen first, so a repaint never shows the black ground without its drawing.
void PictureControl::Paint() const {
  const PaintDc paint(window_);
  const SIZE size = Size();
  const UniqueHdc memory(::CreateCompatibleDC(paint.get()));
  const UniqueHbitmap bitmap(::CreateCompatibleBitmap(paint.get(), size.cx, size.cy));
  if (memory && bitmap) {
    SelectedObject selected(memory.get(), bitmap.get());
    Draw(memory.get());
    ::BitBlt(paint.get(), 0, 0, size.cx, size.cy, memory.get(), 0, 0, SRCCOPY);
  } else {
    Draw(paint.get());
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
  if (::PtInRect(&client, where)) Click();
}

void PictureControl::OnFocusChange() {
  spacePressed_ = false;
  ::InvalidateRect(window_, nullptr, FALSE);
}

void PictureControl::Click() {
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
      Draw(reinterpret_cast<HDC>(wParam));
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
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      OnFocusChange();
      return 0;
    // Enter is the dialog manager's: it clicks the focused control that says it is the
    // default push button. Space clicks on release, as a push button does.
    case WM_GETDLGCODE:
      return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case WM_KEYDOWN:
      if (wParam == VK_SPACE) spacePressed_ = true;
      return 0;
    case WM_KEYUP:
      if (wParam == VK_SPACE && std::exchange(spacePressed_, false)) Click();
      return 0;
    case WM_GETOBJECT:
      if (const LRESULT answer = AnswerAsPushButton(window_, wParam, lParam)) return answer;
      break;
  }
  return ::DefWindowProcW(window_, message, wParam, lParam);
}

// The window text, which screen readers read as its name: the caption, or what the logo's
// click opens.
std::wstring AccessibleName(Picture picture) { return Widen(Text(DesignOf(picture).name)); }

}  // namespace

HWND CreatePictureControl(HWND parent, int id, Picture picture, int x, int y, int dpi) {
  RegisterInstanceClass<PictureControl>(kPictureControlClass, nullptr, nullptr);
  auto control = std::make_unique<PictureControl>(picture, dpi);
  // A button widened for its caption stays centred where the design puts it.
  const SIZE size = control->Size();
  x -= (size.cx - PictureSize(picture, dpi).cx) / 2;
  const HWND window = ::CreateWindowExW(0, kPictureControlClass, AccessibleName(picture).c_str(),
                                        WS_CHILD | WS_VISIBLE | WS_TABSTOP, x, y, size.cx, size.cy,
                                        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                        ::GetModuleHandleW(nullptr), &control);
  if (!window) {
    const DWORD error = ::GetLastError();
    const std::string what =
        DesignOf(picture).framed
            ? Text("fatal.cannot_make_button", {{"caption", Text(DesignOf(picture).name)}})
            : Text("fatal.cannot_make_logo");
    ThrowFatal(what, error);
  }
  return window;
}

}  // namespace cindermoor::win32
