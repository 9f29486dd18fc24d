#include "ui/win32/password_box.h"

#include "text/text.h"
#include "win32/text.h"
#include "window_kit/pictures.h"
#include "window_kit/win32/picture_control.h"
#include "window_kit/win32/text_fit.h"

namespace cindermoor::win32 {
namespace {

constexpr wchar_t kClassName[] = L"CindermoorPasswordBox";

enum ControlId : int { kPromptId = 100, kPasswordId, kOkId, kCancelId };

// Fixed design, in twips from the client area's top-left corner; the prompt has two lines for a
// long server name.
constexpr int kClientWidth = 4800;
constexpr int kClientHeight = 1620;
constexpr TwipRect kPrompt{120, 120, 4560, 420};
constexpr TwipRect kPasswordEntry{120, 600, 4560, 285};
constexpr int kButtonsTop = 1020;
constexpr int kButtonsRight = 4680;
constexpr int kButtonGap = 120;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kDarkOlive = RGB(64, 64, 0);

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

}  // namespace

std::optional<std::string> PasswordBox::Ask(HWND owner, const std::string& server) {
  boxBrush_ = UniqueHbrush(::CreateSolidBrush(kDarkOlive));
  const std::wstring title = Widen(Text("password.title"));
  CreateTopLevel(this, {kClassName, title.c_str(), kStyle, kExStyle, kClientWidth, kClientHeight,
                        nullptr, nullptr, owner});
  CreateControls(server);
  ::EnableWindow(owner, FALSE);
  ShowCentred();
  ::SetFocus(::GetDlgItem(window_, kPasswordId));
  // The box's own loop, as a message box has: the other windows go on, the network's answers
  // among them, while the player types.
  MSG message{};
  bool quitting = false;
  while (!answered_) {
    if (::GetMessageW(&message, nullptr, 0, 0) <= 0) {
      quitting = true;
      break;
    }
    if (::IsDialogMessageW(window_, &message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  // The owner takes input again before the box goes, so Windows activates it and not another
  // program's window.
  ::EnableWindow(owner, TRUE);
  HideWindow();
  if (quitting) ::PostQuitMessage(static_cast<int>(message.wParam));
  return password_;
}

// The prompt first: screen readers name the entry box by the text before it.
void PasswordBox::CreateControls(const std::string& server) {
  FitTextToPlace(AddChild(L"STATIC", Text("password.prompt", {{"server", server}}),
                          SS_LEFT | SS_NOPREFIX, 0, kPromptId, kPrompt));
  AddChild(L"EDIT", "", ES_PASSWORD | ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP, 0, kPasswordId,
           kPasswordEntry);
  // Right-aligned, Cancel last, each as wide as its caption makes it.
  const HWND ok =
      CreatePictureControl(window_, kOkId, Picture::OkButton, 0, Px(kButtonsTop), Dpi());
  const HWND cancel =
      CreatePictureControl(window_, kCancelId, Picture::CancelButton, 0, Px(kButtonsTop), Dpi());
  int right = Px(kButtonsRight);
  for (HWND button : {cancel, ok}) {
    const RECT place = PlaceInParent(button);
    right -= place.right - place.left;
    ::SetWindowPos(button, nullptr, right, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    right -= Px(kButtonGap);
  }
}

void PasswordBox::Answer(bool ok) {
  if (ok) password_ = Narrow(WindowText(::GetDlgItem(window_, kPasswordId)));
  answered_ = true;
}

LRESULT PasswordBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == kOkId || LOWORD(wParam) == IDOK) Answer(true);
      if (LOWORD(wParam) == kCancelId || LOWORD(wParam) == IDCANCEL) Answer(false);
      return 0;
    case WM_CTLCOLOREDIT:
      ::SetTextColor(reinterpret_cast<HDC>(wParam), kWhite);
      ::SetBkColor(reinterpret_cast<HDC>(wParam), kDarkOlive);
      return reinterpret_cast<LRESULT>(boxBrush_.get());
    case WM_CTLCOLORSTATIC:
      return YellowOnBlack(reinterpret_cast<HDC>(wParam));
    case WM_CLOSE:
      Answer(false);
      return 0;
    // Enter in the entry box is OK.
    case DM_GETDEFID:
      return MAKELRESULT(kOkId, DC_HASDEFID);
  }
  return DefaultHandling(message, wParam, lParam);
}

}  // namespace cindermoor::win32
