#include "ui/win32/main_window.h"

#include "ui/main_window_layout.h"
#include "ui/pictures.h"
#include "ui/win32/guarded_call.h"
#include "ui/win32/picture_control.h"
#include "win32/text.h"

namespace cindermoor::win32 {
namespace {

namespace layout = main_layout;

constexpr wchar_t kClassName[] = L"CindermoorMainWindow";

enum ControlId : int {
  kCheck1 = 100, kFrame1, kLabel4, kLabel6, kLabel7, kOption1, kOption2,
  kText1, kText2, kText3, kLabel8, kLabel2, kLabel1,
  kImage6, kImage5, kImage4, kImage2, kImage1,
};

constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kDarkOlive = RGB(64, 64, 0);
constexpr COLORREF kDisabledText = RGB(160, 160, 160);
constexpr COLORREF kOlive = RGB(128, 128, 0);

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

bool IsEntryBox(int id) { return id == kText1 || id == kText2 || id == kText3; }

MainControl BoxOf(int id) {
  return id == kText1 ? MainControl::Text1 : id == kText2 ? MainControl::Text2 : MainControl::Text3;
}

}  // namespace

MainWindow::MainWindow(std::function<void()> onClose) : onClose_(std::move(onClose)) {}

void MainWindow::CreateFromForm() {
  boxBrush_ = UniqueHbrush(::CreateSolidBrush(kDarkOlive));
  const std::wstring caption = Widen(layout::kCaption);
  CreateTopLevel(this, {kClassName, caption.c_str(), kStyle, kExStyle, layout::kClientWidth,
                        layout::kClientHeight, AppIcon(::GetSystemMetrics(SM_CXICON)),
                        AppIcon(::GetSystemMetrics(SM_CXSMICON))});
  CreateControls();
  ShowFormState();
}

void MainWindow::ShowFormState() {
  for (MainControl box : {MainControl::Text1, MainControl::Text2, MainControl::Text3}) {
    SetText(box, form_->Text(box));
    SetEnabled(box, form_->Enabled(box));
  }
  SetText(MainControl::Label8, form_->Label8());
  SetChecked(MainControl::Check1, form_->Check1() == 1);
  SetChecked(MainControl::Option1, form_->Option1());
  SetChecked(MainControl::Option2, form_->Option2());
  for (MainControl picture : {MainControl::Image5, MainControl::Image4}) {
    SetVisible(picture, form_->PictureVisible(picture));
  }
  if (form_->IsCompact()) Compact();
}

// Created in the window's keyboard order; only the check box, the options and the entry
// boxes take the focus.
void MainWindow::CreateControls() {
  const auto add = [this](const wchar_t* cls, const std::string& text, DWORD style, int id,
                          const TwipRect& place) {
    return AddChild(cls, text, style, 0, id, place);
  };
  add(L"BUTTON", layout::kCheckCaption, BS_CHECKBOX | WS_TABSTOP | WS_GROUP, kCheck1,
      layout::kCheck1);
  add(L"BUTTON", layout::kFrameCaption, BS_GROUPBOX, kFrame1, layout::kFrame1);
  add(L"STATIC", "Server:", SS_RIGHT | SS_NOPREFIX, kLabel4, layout::kLabel4);
  add(L"STATIC", "Channel:", SS_RIGHT | SS_NOPREFIX, kLabel6, layout::kLabel6);
  add(L"STATIC", "Password:", SS_LEFT | SS_NOPREFIX, kLabel7, layout::kLabel7);
  add(L"BUTTON", layout::CommunityOption(), BS_RADIOBUTTON | WS_TABSTOP | WS_GROUP, kOption1,
      layout::kOption1);
  add(L"BUTTON", layout::kOwnServerOption, BS_RADIOBUTTON, kOption2, layout::kOption2);
  for (const auto& [id, rect] : {std::pair{kText1, layout::kText1}, std::pair{kText2, layout::kText2},
                                 std::pair{kText3, layout::kText3}}) {
    add(L"EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP, id, rect);
  }
  add(L"STATIC", "", SS_LEFTNOWORDWRAP | SS_NOPREFIX, kLabel8, layout::kLabel8);
  add(L"STATIC", layout::kLaunchQuestion, SS_LEFT | SS_NOPREFIX, kLabel2, layout::kLabel2);
  add(L"STATIC", layout::VoiceClientNotice(), SS_LEFT | SS_NOPREFIX, kLabel1, layout::kLabel1);

  const auto picture = [this](int id, Picture kind, const TwipPoint& at) {
    CreatePictureControl(window_, id, kind, Px(at.left), Px(at.top), Dpi());
  };
  picture(kImage6, Picture::ChangeButton, layout::kImage6Position);
  picture(kImage5, Picture::InstallButton, layout::kImage5Position);
  picture(kImage4, Picture::UninstallButton, layout::kImage4Position);
  picture(kImage2, Picture::OkButton, layout::kImage2Position);
  picture(kImage1, Picture::Logo, layout::kImage1Position);
}

HWND MainWindow::Control(MainControl control) const {
  static constexpr int kIds[] = {kText1, kText2, kText3, kCheck1, kOption1,
                                 kOption2, kImage5, kImage4, kLabel8};
  return ::GetDlgItem(window_, kIds[static_cast<int>(control)]);
}

// Until the window exists the form's state is all there is; the window shows it when made.
void MainWindow::SetText(MainControl control, const std::string& text) {
  if (!window_) return;
  const std::wstring wide = Widen(text);
  HWND handle = Control(control);
  // Setting the same text again would move the caret while the user types.
  if (WindowText(handle) != wide) ::SetWindowTextW(handle, wide.c_str());
}

void MainWindow::SetEnabled(MainControl control, bool enabled) {
  if (!window_) return;
  ::EnableWindow(Control(control), enabled);
}

void MainWindow::SetChecked(MainControl control, bool checked) {
  if (!window_) return;
  ::SendMessageW(Control(control), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void MainWindow::SetVisible(MainControl control, bool visible) {
  if (!window_) return;
  ::ShowWindow(Control(control), visible ? SW_SHOWNA : SW_HIDE);
}

void MainWindow::Compact() {
  if (!window_) return;
  RECT outer{0, 0, Px(layout::kClientWidth), Px(layout::kCompactClientHeight)};
  ::AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle);
  ::SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::Show() {
  if (!window_) CreateFromForm();
  ShowCentred();
}

void MainWindow::Hide() {
  if (window_) HideWindow();
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      GuardedCall(window_, [&] { OnCommand(LOWORD(wParam), HIWORD(wParam)); });
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CLOSE:
      onClose_();
      return 0;
  }
  return DefaultHandling(message, wParam, lParam);
}

void MainWindow::OnCommand(int id, int code) {
  if (IsEntryBox(id)) {
    if (code != EN_CHANGE) return;
    form_->SetText(BoxOf(id), Narrow(WindowText(::GetDlgItem(window_, id))));
    return;
  }
  if (code != BN_CLICKED) return;
  switch (id) {
    case kCheck1: form_->SetCheck1(form_->Check1() == 1 ? 0 : 1); break;
    case kOption1: form_->SelectOption1(); break;
    case kOption2: form_->SelectOption2(); break;
    case kImage1: form_->Image1_Click(); break;
    case kImage2: form_->Image2_Click(); break;
    case kImage4: form_->Image4_Click(); break;
    case kImage5: form_->Image5_Click(); break;
    case kImage6: form_->Image6_Click(); break;
  }
}

LRESULT MainWindow::OnControlColour(HDC dc, HWND control) {
  const int id = ::GetDlgCtrlID(control);
  if (IsEntryBox(id)) {
    ::SetTextColor(dc, ::IsWindowEnabled(control) ? kWhite : kDisabledText);
    ::SetBkColor(dc, kDarkOlive);
    return reinterpret_cast<LRESULT>(boxBrush_.get());
  }
  // The frame's caption keeps the system's button-text colour; everything else is yellow.
  ::SetTextColor(dc, id == kFrame1 ? ::GetSysColor(COLOR_BTNTEXT) : kYellow);
  ::SetBkColor(dc, kBlack);
  return reinterpret_cast<LRESULT>(BlackBrush());
}

// The two olive rules across the window.
void MainWindow::Paint(HDC dc) const {
  UniqueHpen pen(::CreatePen(PS_SOLID, ScaleForDpi(1, Dpi()), kOlive));
  SelectedObject selected(dc, pen.get());
  for (int y : {layout::kLine1Y, layout::kLine2Y}) {
    ::MoveToEx(dc, Px(layout::kRuleLeft), Px(y), nullptr);
    ::LineTo(dc, Px(layout::kRuleRight) + 1, Px(y));
  }
}

}  // namespace cindermoor::win32
