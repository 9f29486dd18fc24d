// What the top-level windows share: creation at their design size for the screen's
// resolution, child controls in the default font, centring on first showing, painting, and
// the black ground every control is drawn on.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "win32/unique_handle.h"
#include "window_kit/twips.h"
#include "window_kit/win32/window_instance.h"

namespace cindermoor::win32 {

// The application's icon at a size, as the resources hold it. Shared icons belong to the
// system, so a window class may keep them whatever happens to the window.
HICON AppIcon(int size);

// Offers a key press to the active window before the dialog manager sees it, for keys that
// act wherever the focus is in that window (OnShortcutKey); true when the window took it.
bool OfferShortcutKey(const MSG& message);

struct WindowDesign {
  const wchar_t* className;
  const wchar_t* title;
  DWORD style;
  DWORD exStyle;
  int clientWidth;  // twips
  int clientHeight;
  HICON icon;
  HICON smallIcon;
  HWND owner = nullptr;  // a box that belongs to another window stays in front of it
};

class TopLevelWindow {
 public:
  TopLevelWindow(const TopLevelWindow&) = delete;
  TopLevelWindow& operator=(const TopLevelWindow&) = delete;

  HWND Handle() const { return window_; }
  void Attach(HWND window) { window_ = window; }

 protected:
  TopLevelWindow() = default;
  ~TopLevelWindow() { Destroy(); }

  // Ends the window. Each window calls it from its own destructor, while all of its members
  // still exist; the object is detached first, so the messages that destroying raises (focus
  // loss in a child, WM_DESTROY) no longer reach it.
  void Destroy();

  // Creates the window, hidden, with T's window procedure; T passes itself. Throws
  // FatalError when Windows cannot make it.
  template <typename T>
  void CreateTopLevel(T* self, const WindowDesign& design) {
    RegisterInstanceClass<T>(design.className, design.icon, design.smallIcon);
    PrepareResources();
    CreateFromDesign(design, self);
  }

  HWND AddChild(const wchar_t* className, const std::string& text, DWORD style, DWORD exStyle,
                int id, const TwipRect& place);
  HWND AddChildInPixels(const wchar_t* className, const std::string& text, DWORD style,
                        DWORD exStyle, int id, const RECT& place);
  // Fits a control's text, each time it changes, from the control's design place: where the
  // window font would cut it off, the control grows into the free room round it, and where
  // that is not enough it takes a smaller font of its own; a text that fits again gets the
  // design place and the window font back.
  void FitTextToPlace(HWND control);
  // Shows the window, centred on the screen the first time.
  void ShowCentred();
  void HideWindow() { ::ShowWindow(window_, SW_HIDE); }
  // WM_PAINT and WM_PRINTCLIENT go to Paint; on coming back to the window the focus goes to
  // the control that had it; everything else to the system's default.
  LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);
  virtual void Paint(HDC) const {}
  // A key OfferShortcutKey offers; true when it acts.
  virtual bool OnShortcutKey(WPARAM) { return false; }

  // The answer to a WM_CTLCOLOR* message for a control drawn yellow on the black ground. A
  // transparent one draws its text without filling the cells behind it.
  LRESULT YellowOnBlack(HDC dc, bool transparent = false) const;

  int Px(int twips) const { return TwipsToPixels(twips, dpi_); }
  int Dpi() const { return dpi_; }

  HWND window_ = nullptr;

 private:
  void PrepareResources();
  void CreateFromDesign(const WindowDesign& design, void* self);
  bool KeepFocusOnActivation(bool activated);

  HWND focusBeforeLeaving_ = nullptr;
  int dpi_ = 96;
  bool shownOnce_ = false;
  UniqueHfont font_;
  std::map<HWND, UniqueHfont> fittedFonts_;  // outlive the controls: Destroy runs first
  std::map<HWND, RECT> designPlaces_;        // of the controls whose texts are fitted
  UniqueHbrush blackBrush_;
};

}  // namespace cindermoor::win32
