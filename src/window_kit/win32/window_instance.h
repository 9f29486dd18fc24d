// Attaches a window's own object to its handle, so no window state lives in globals.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "text/text.h"
#include "win32/device_context.h"
#include "win32/text.h"
#include "window_kit/win32/guarded_call.h"

namespace cindermoor::win32 {

// A class whose objects belong to their windows declares `static constexpr bool
// kOwnedByWindow = true;` (the top-level windows belong to their objects instead).
template <typename T>
concept OwnedByWindow = T::kOwnedByWindow;

// The object a window is created for, from its creation parameter. A window-owned object
// comes as a std::unique_ptr<T>* and is taken over here, at WM_NCCREATE: until then the
// creator owns it, so nothing leaks however early creation fails.
template <typename T>
T* TakeCreationObject(const CREATESTRUCTW& create) {
  if constexpr (OwnedByWindow<T>) {
    return static_cast<std::unique_ptr<T>*>(create.lpCreateParams)->release();
  } else {
    return static_cast<T*>(create.lpCreateParams);
  }
}

// Stops the window's messages from reaching its object, which may be about to go.
inline void DetachInstance(HWND window) { ::SetWindowLongPtrW(window, GWLP_USERDATA, 0); }

// The window procedure of a class whose windows each have a T, passed as the creation
// parameter (see TakeCreationObject). T::HandleMessage gets every message from WM_NCCREATE
// on, always through GuardedCall, so no handler's failure unwinds into Windows; a
// window-owned T is deleted after it has handled WM_NCDESTROY.
template <typename T>
LRESULT CALLBACK InstanceWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    T* created = TakeCreationObject<T>(*reinterpret_cast<CREATESTRUCTW*>(lParam));
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    created->Attach(window);
  }
  auto* self = reinterpret_cast<T*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return ::DefWindowProcW(window, message, wParam, lParam);
  if constexpr (OwnedByWindow<T>) {
    if (message == WM_NCDESTROY) {
      const std::unique_ptr<T> owned(self);
      DetachInstance(window);
      return GuardedCall(window, [&] { return owned->HandleMessage(message, wParam, lParam); });
    }
  }
  return GuardedCall(window, [&] { return self->HandleMessage(message, wParam, lParam); });
}

// Registers the class once per process; later calls find it registered. A class that cannot
// be registered means no window of it can be made, which the program cannot go on without.
template <typename T>
void RegisterInstanceClass(const wchar_t* className, HICON icon, HICON smallIcon) {
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  if (::GetClassInfoExW(instance, className, &windowClass)) return;
  windowClass = {};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &InstanceWindowProc<T>;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = className;
  windowClass.hIcon = icon;
  windowClass.hIconSm = smallIcon;
  if (::RegisterClassExW(&windowClass) == 0) {
    const DWORD error = ::GetLastError();
    ThrowFatal(Text("fatal.cannot_register_class", {{"class", Narrow(className)}}), error);
  }
}

// Places a window of the given client size in the middle of the primary screen.
// The top-left corner that centres a window of this outer size on the primary screen.
inline POINT CentredCorner(int width, int height) {
  return {(::GetSystemMetrics(SM_CXSCREEN) - width) / 2,
          (::GetSystemMetrics(SM_CYSCREEN) - height) / 2};
}

// A window made centred stays where it is: moving it costs a served link's start.
inline void CentreOnScreen(HWND window) {
  RECT bounds{};
  ::GetWindowRect(window, &bounds);
  const POINT corner = CentredCorner(bounds.right - bounds.left, bounds.bottom - bounds.top);
  if (corner.x == bounds.left && corner.y == bounds.top) return;
  ::SetWindowPos(window, nullptr, corner.x, corner.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

inline std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

// The screen's logical resolution: 96 unless the user chose larger text.
inline int ScreenDpi() {
  const WindowDc screen(nullptr);
  return ::GetDeviceCaps(screen.get(), LOGPIXELSY);
}

}  // namespace cindermoor::win32
