// The picture buttons: drawn pictures that answer a mouse click and never take the focus,
// so the keyboard order of the window is made of its other controls only.
#include "ui/win32/picture_control.h"

#include <windowsx.h>

#include <memory>

#include "ui/win32/picture_drawing.h"
#include "win32/unique_handle.h"

namespace cindermoor::win32 {
namespace {

struct PictureControl {
  Picture picture;
  int dpi;
  bool pressed = false;
};

PictureControl* ControlOf(HWND window) {
  return reinterpret_cast<PictureControl*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
}

// The window owns its data from WM_NCCREATE until WM_NCDESTROY; until then the creator's
// pointer does, so nothing leaks when the window cannot be made.
void Attach(HWND window, const CREATESTRUCTW& create) {
  auto* owner = static_cast<std::unique_ptr<PictureControl>*>(create.lpCreateParams);
  ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner->release()));
}

void Detach(HWND window) {
  std::unique_ptr<PictureControl> owned(ControlOf(window));
  ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
}

// Drawn off screen first, so a repaint never shows the black ground without its drawing.
void Paint(HWND window, const PictureControl& control) {
  PAINTSTRUCT paint{};
  const HDC dc = ::BeginPaint(window, &paint);
  const SIZE size = PictureSize(control.picture, control.dpi);
  const UniqueHdc memory(::CreateCompatibleDC(dc));
  const UniqueHbitmap bitmap(::CreateCompatibleBitmap(dc, size.cx, size.cy));
  if (memory && bitmap) {
    SelectedObject selected(memory.get(), bitmap.get());
    DrawPicture(memory.get(), control.picture, control.dpi);
    ::BitBlt(dc, 0, 0, size.cx, size.cy, memory.get(), 0, 0, SRCCOPY);
  } else {
    DrawPicture(dc, control.picture, control.dpi);
  }
  ::EndPaint(window, &paint);
}

// Unlike a push button this never calls SetFocus, and mouse activation is left to the
// parent, so a click activates the window as usual but leaves the focus where it was.
void OnButtonDown(HWND window, PictureControl& control) {
  control.pressed = true;
  ::SetCapture(window);
}

// A click is a press and a release both on the picture, as with a push button. The parent
// may hide or destroy this window while it handles the click, so nothing touches the
// control afterwards.
void OnButtonUp(HWND window, PictureControl& control, POINT where) {
  if (!control.pressed) return;
  control.pressed = false;
  ::ReleaseCapture();
  RECT client{};
  ::GetClientRect(window, &client);
  if (!::PtInRect(&client, where)) return;
  const int id = ::GetDlgCtrlID(window);
  ::SendMessageW(::GetParent(window), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(window));
}

LRESULT CALLBACK PictureProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) Attach(window, *reinterpret_cast<const CREATESTRUCTW*>(lParam));
  PictureControl* control = ControlOf(window);
  if (control == nullptr) return ::DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_PAINT:
      Paint(window, *control);
      return 0;
    case WM_PRINTCLIENT:
      DrawPicture(reinterpret_cast<HDC>(wParam), control->picture, control->dpi);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the picture covers the whole window
    case WM_LBUTTONDOWN:
      OnButtonDown(window, *control);
      return 0;
    case WM_LBUTTONUP:
      OnButtonUp(window, *control, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_CAPTURECHANGED:
      control->pressed = false;
      return 0;
    case WM_NCDESTROY:
      Detach(window);
      return ::DefWindowProcW(window, message, wParam, lParam);
    default:
      return ::DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

bool RegisterPictureControlClass() {
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (::GetClassInfoExW(instance, kPictureControlClass, &existing)) return true;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = PictureProcedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kPictureControlClass;
  return ::RegisterClassExW(&windowClass) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CreatePictureControl(HWND parent, int id, Picture picture, int x, int y, int dpi) {
  if (!RegisterPictureControlClass()) return nullptr;
  auto control = std::make_unique<PictureControl>(PictureControl{picture, dpi});
  const SIZE size = PictureSize(picture, dpi);
  return ::CreateWindowExW(0, kPictureControlClass, L"", WS_CHILD | WS_VISIBLE, x, y, size.cx, size.cy, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr),
                           &control);
}

}  // namespace cindermoor::win32
