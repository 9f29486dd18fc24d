#include "ui/win32/quit_window.h"

#include "text/text.h"
#include "win32/text.h"
#include "window_kit/pictures.h"
#include "window_kit/win32/picture_drawing.h"
#include "window_kit/win32/push_button_accessible.h"

namespace cindermoor::win32 {
namespace {

constexpr wchar_t kClassName[] = L"CindermoorQuitWindow";
constexpr int kQuitLineId = 100;
constexpr UINT kComplete = WM_APP;

// Fixed design, in twips from the client area's top-left corner.
constexpr int kClientWidth = 5250;
constexpr int kClientHeight = 2985;
constexpr int kLogoLeft = 840;
constexpr int kLogoTop = 600;
constexpr TwipRect kQuitLine{0, 2640, 5175, 255};

// WS_SYSMENU lets Alt+F4 and the taskbar's Close reach the window; with no caption nothing
// of it is drawn. WS_EX_APPWINDOW gives the taskbar button: while a game runs this is the
// only window the launcher shows.
constexpr DWORD kStyle = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExStyle = WS_EX_APPWINDOW;

}  // namespace

void QuitWindow::Create(QuitForm& form) {
  form_ = &form;
  // Not drawn, as the window has no title bar; the taskbar and window lists show it.
  const std::wstring title = Widen(Text("quit.title"));
  CreateTopLevel(this, {kClassName, title.c_str(), kStyle, kExStyle, kClientWidth, kClientHeight,
                        nullptr, nullptr});
  // Posted messages come before the first paint.
  ::PostMessageW(window_, kComplete, 0, 0);
}

// The icons the taskbar shows (Wine hands them to the Linux desktop, which takes a served
// link's start some time) and the text line. SS_NOTIFY makes the whole rectangle of the text
// line answer a click, the part without text included. Screen readers meet the line as the
// push button it works as.
void QuitWindow::Complete() {
  ::SendMessageW(window_, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(AppIcon(::GetSystemMetrics(SM_CXICON))));
  ::SendMessageW(window_, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(AppIcon(::GetSystemMetrics(SM_CXSMICON))));
  beforeText_();
  FitTextToPlace(AddChild(L"STATIC", form_->Caption(), SS_RIGHT | SS_NOPREFIX | SS_NOTIFY, 0,
                          kQuitLineId, kQuitLine));
  AnswerAsPushButtonFrom(::GetDlgItem(window_, kQuitLineId));
}

// Painted at once: the program may end straight after, and the user should see it.
void QuitWindow::SetCaption(const std::string& caption) {
  HWND label = ::GetDlgItem(window_, kQuitLineId);
  ::SetWindowTextW(label, Widen(caption).c_str());
  ::UpdateWindow(label);
}

// The window holds the keyboard focus itself, as no control of it takes the focus: Enter,
// Space and Esc reach it from the moment it shows.
void QuitWindow::Show() {
  ShowCentred();
  ::SetFocus(window_);
}

LRESULT QuitWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kComplete:
      Complete();
      return 0;
    // Enter (through DM_GETDEFID, as the line's own click) and Esc come from the dialog
    // manager; Space, which it leaves alone, as a key.
    case WM_COMMAND:
      if ((LOWORD(wParam) == kQuitLineId && HIWORD(wParam) == STN_CLICKED) ||
          LOWORD(wParam) == IDCANCEL) {
        form_->OnQuitClicked();
      }
      return 0;
    case DM_GETDEFID:
      return MAKELRESULT(kQuitLineId, DC_HASDEFID);
    case WM_KEYDOWN:
      if (wParam == VK_SPACE && (lParam & (1 << 30)) == 0) form_->OnQuitClicked();
      return 0;
    case WM_CTLCOLORSTATIC:
      return YellowOnBlack(reinterpret_cast<HDC>(wParam), true);
    // Closing from the keyboard or the taskbar ends the run as the text line does.
    case WM_CLOSE:
      form_->OnQuitClicked();
      return 0;
  }
  return DefaultHandling(message, wParam, lParam);
}

// The logo is drawn straight onto the window: it is no button.
void QuitWindow::Paint(HDC dc) const {
  if (!logo_) logo_.emplace(Picture::QuitLogo, Dpi());
  POINT previous{};
  ::OffsetViewportOrgEx(dc, Px(kLogoLeft), Px(kLogoTop), &previous);
  logo_->Draw(dc);
  ::SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

}  // namespace cindermoor::win32
