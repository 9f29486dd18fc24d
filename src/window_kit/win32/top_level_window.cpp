#include "window_kit/win32/top_level_window.h"

#include <utility>

#include "text/text.h"
#include "win32/text.h"
#include "window_kit/win32/app_icon_id.h"
#include "window_kit/win32/default_font.h"
#include "window_kit/win32/text_fit.h"

namespace cindermoor::win32 {

namespace {
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);
}  // namespace

HICON AppIcon(int size) {
  return static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP),
                                         IMAGE_ICON, size, size, LR_SHARED));
}

namespace {
// Registered, so no window of another kind mistakes it for one of its own messages.
UINT ShortcutKeyMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"Cindermoor shortcut key");
  return message;
}
}  // namespace

bool OfferShortcutKey(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  const HWND active = ::GetActiveWindow();
  return active && ::SendMessageW(active, ShortcutKeyMessage(), message.wParam, 0) != 0;
}

void TopLevelWindow::Destroy() {
  if (!window_) return;
  DetachInstance(window_);
  ::DestroyWindow(std::exchange(window_, nullptr));
}

void TopLevelWindow::PrepareResources() {
  dpi_ = ScreenDpi();
  font_ = CreateDefaultFont(dpi_);
  blackBrush_ = UniqueHbrush(::CreateSolidBrush(kBlack));
}

void TopLevelWindow::CreateFromDesign(const WindowDesign& design, void* self) {
  RECT outer{0, 0, Px(design.clientWidth), Px(design.clientHeight)};
  ::AdjustWindowRectEx(&outer, design.style, FALSE, design.exStyle);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  const POINT corner = CentredCorner(width, height);
  const HWND window = ::CreateWindowExW(design.exStyle, design.className, design.title,
                                        design.style, corner.x, corner.y, width, height,
                                        design.owner, nullptr, ::GetModuleHandleW(nullptr), self);
  if (!window) {
    const DWORD error = ::GetLastError();
    ThrowFatal(Text("fatal.cannot_create_window", {{"title", Narrow(design.title)}}), error);
  }
}

HWND TopLevelWindow::AddChild(const wchar_t* className, const std::string& text, DWORD style,
                              DWORD exStyle, int id, const TwipRect& place) {
  const RECT pixels{Px(place.left), Px(place.top), Px(place.left) + Px(place.width),
                    Px(place.top) + Px(place.height)};
  return AddChildInPixels(className, text, style, exStyle, id, pixels);
}

HWND TopLevelWindow::AddChildInPixels(const wchar_t* className, const std::string& text,
                                      DWORD style, DWORD exStyle, int id, const RECT& place) {
  HWND control = ::CreateWindowExW(
      exStyle, className, Widen(text).c_str(), WS_CHILD | WS_VISIBLE | style, place.left, place.top,
      place.right - place.left, place.bottom - place.top, window_,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
  if (!control) {
    const DWORD error = ::GetLastError();
    ThrowFatal(Text("fatal.cannot_create_control", {{"text", text}}), error);
  }
  ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  return control;
}

// A text that changes is fitted afresh from the design place: the window font again when it
// fits, else the room it grows into, else a smaller font that takes the place of the font the
// earlier text needed.
void TopLevelWindow::FitTextToPlace(HWND control) {
  const auto [design, first] = designPlaces_.try_emplace(control, PlaceInParent(control));
  if (!first) {
    const RECT& place = design->second;
    ::SetWindowPos(control, nullptr, place.left, place.top, place.right - place.left,
                   place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  UniqueHfont fitted =
      GrowToFitText(control, font_.get()) ? UniqueHfont() : FontFittingText(control, font_.get());
  const HFONT font = fitted ? fitted.get() : font_.get();
  ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (fitted) {
    fittedFonts_[control] = std::move(fitted);
  } else {
    fittedFonts_.erase(control);
  }
}

void TopLevelWindow::ShowCentred() {
  if (!shownOnce_) {
    CentreOnScreen(window_);
    shownOnce_ = true;
  }
  ::ShowWindow(window_, SW_SHOW);
  ::SetForegroundWindow(window_);
}

LRESULT TopLevelWindow::YellowOnBlack(HDC dc, bool transparent) const {
  ::SetTextColor(dc, kYellow);
  ::SetBkColor(dc, kBlack);
  if (transparent) ::SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(blackBrush_.get());
}

// A dialog gives the focus back to the control that had it when the user comes back (from a
// message box, say); the system's default would give it to the window itself, losing the
// keyboard user's place.
bool TopLevelWindow::KeepFocusOnActivation(bool activated) {
  if (!activated) {
    const HWND focus = ::GetFocus();
    focusBeforeLeaving_ = ::IsChild(window_, focus) ? focus : nullptr;
    return false;
  }
  const HWND focus = std::exchange(focusBeforeLeaving_, nullptr);
  if (!focus || !::IsChild(window_, focus) || !::IsWindowVisible(focus)) return false;
  ::SetFocus(focus);
  return true;
}

LRESULT TopLevelWindow::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == ShortcutKeyMessage()) return OnShortcutKey(wParam);
  switch (message) {
    case WM_PAINT: {
      const PaintDc paint(window_);
      Paint(paint.get());
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ACTIVATE:
      if (KeepFocusOnActivation(LOWORD(wParam) != WA_INACTIVE)) return 0;
      break;
    case WM_NCDESTROY: {
      HWND window = window_;
      window_ = nullptr;
      return ::DefWindowProcW(window, message, wParam, lParam);
    }
  }
  return ::DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace cindermoor::win32
