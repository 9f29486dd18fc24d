#include "ui/win32/main_window.h"

#include "text/text.h"
#include "ui/main_window_layout.h"
#include "win32/text.h"
#include "window_kit/pictures.h"
#include "window_kit/win32/picture_control.h"

namespace cindermoor::win32 {
namespace {

namespace layout = main_layout;

constexpr wchar_t kClassName[] = L"CindermoorMainWindow";

// The controls the form drives take their ids from MainControl, so every control it can name
// has an id without a second list to keep in step; the others count on from 200.
constexpr int IdOf(MainControl control) { return 100 + static_cast<int>(control); }

enum ControlId : int {
  kServerBoxId = IdOf(MainControl::ServerBox),
  kChannelBoxId = IdOf(MainControl::ChannelBox),
  kPasswordBoxId = IdOf(MainControl::PasswordBox),
  kLaunchBoxId = IdOf(MainControl::LaunchBox),
  kCommunityOptionId = IdOf(MainControl::CommunityOption),
  kOwnServerOptionId = IdOf(MainControl::OwnServerOption),
  kInstallButtonId = IdOf(MainControl::InstallButton),
  kUninstallButtonId = IdOf(MainControl::UninstallButton),
  kGameFolderLabelId = IdOf(MainControl::GameFolderLabel),
  kVoiceNameBoxId = IdOf(MainControl::VoiceNameBox),
  kVoiceClientNoteId = IdOf(MainControl::VoiceClientNote),
  kVoiceFrameId = 200,
  kServerLabelId,
  kChannelLabelId,
  kPasswordLabelId,
  kLaunchQuestionId,
  kNoticeId,
  kChangeButtonId,
  kOkButtonId,
  kLogoId,
  kVoiceNameLabelId,
  kVoiceNameHintId,
  kServersButtonId,
  // The voice clients' options, in the list of clients' order.
  kFirstVoiceClientOptionId = 300,
  // The check boxes of flag settings, in their table's order.
  kFirstSettingBoxId = 400,
};

// The controls that say something of the chosen voice client, with the text of it they show.
struct ClientText {
  int id;
  std::string VoiceTexts::*text;
};
constexpr ClientText kClientTexts[] = {
    {kVoiceFrameId, &VoiceTexts::frameCaption},
    {kLaunchQuestionId, &VoiceTexts::launchQuestion},
    {kCommunityOptionId, &VoiceTexts::communityOption},
    {kOwnServerOptionId, &VoiceTexts::ownServerOption},
    {kNoticeId, &VoiceTexts::notice},
    {kVoiceNameHintId, &VoiceTexts::nameHint},
};

// Shown only for a client that takes a name.
constexpr int kVoiceNameControls[] = {kVoiceNameLabelId, kVoiceNameBoxId, kVoiceNameHintId};

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kDarkOlive = RGB(64, 64, 0);
constexpr COLORREF kDisabledText = RGB(160, 160, 160);
constexpr COLORREF kOlive = RGB(128, 128, 0);

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

constexpr int OptionId(size_t client) {
  return kFirstVoiceClientOptionId + static_cast<int>(client);
}

constexpr int SettingBoxId(size_t box) { return kFirstSettingBoxId + static_cast<int>(box); }

bool IsEntryBox(int id) {
  return id == kServerBoxId || id == kChannelBoxId || id == kPasswordBoxId;
}

bool IsTextBox(int id) { return IsEntryBox(id) || id == kVoiceNameBoxId; }

EntryBox BoxOf(int id) {
  return id == kServerBoxId    ? EntryBox::Server
         : id == kChannelBoxId ? EntryBox::Channel
                               : EntryBox::Password;
}

}  // namespace

MainWindow::MainWindow(std::function<void()> onClose, std::function<void()> beforeMade)
    : onClose_(std::move(onClose)), beforeMade_(std::move(beforeMade)) {}

void MainWindow::CreateFromForm() {
  beforeMade_();
  boxBrush_ = UniqueHbrush(::CreateSolidBrush(kDarkOlive));
  const std::wstring caption = Widen(Text("main.caption"));
  CreateTopLevel(this, {kClassName, caption.c_str(), kStyle, kExStyle, layout::kClientWidth,
                        layout::kClientHeight, AppIcon(::GetSystemMetrics(SM_CXICON)),
                        AppIcon(::GetSystemMetrics(SM_CXSMICON))});
  CreateControls();
  // The check box's caption is hidden by design, and the game folder's is no fixed text; the
  // texts of the chosen voice client are fitted as they are shown.
  for (int id : {kServerLabelId, kChannelLabelId, kPasswordLabelId, kVoiceNameLabelId}) {
    FitTextToPlace(::GetDlgItem(window_, id));
  }
  for (size_t index = 0; index < form_->Clients().Count(); ++index) {
    FitTextToPlace(::GetDlgItem(window_, OptionId(index)));
  }
  for (size_t box = 0; box < form_->SettingBoxes().size(); ++box) {
    FitTextToPlace(::GetDlgItem(window_, SettingBoxId(box)));
  }
  form_->ShowEveryControl();
}

// Created in reading order, which is the keyboard's: Tab visits the controls that take the
// focus in the order they were made, so a new control joins the order by where it is made.
// Each entry box's label comes just before it: screen readers name a box by that label.
void MainWindow::CreateControls() {
  const auto add = [this](const wchar_t* cls, const std::string& text, DWORD style, int id,
                          const TwipRect& place) {
    return AddChild(cls, text, style, 0, id, place);
  };
  const auto picture = [this](int id, Picture kind, const TwipPoint& at) {
    CreatePictureControl(window_, id, kind, Px(at.left), Px(at.top), Dpi());
  };
  picture(kServersButtonId, Picture::ServersButton, layout::kServersButtonPosition);
  picture(kLogoId, Picture::Logo, layout::kLogoPosition);
  picture(kOkButtonId, Picture::OkButton, layout::kOkButtonPosition);
  picture(kUninstallButtonId, Picture::UninstallButton, layout::kUninstallButtonPosition);
  picture(kInstallButtonId, Picture::InstallButton, layout::kInstallButtonPosition);
  picture(kChangeButtonId, Picture::ChangeButton, layout::kChangeButtonPosition);
  add(L"STATIC", "", SS_LEFTNOWORDWRAP | SS_NOPREFIX, kGameFolderLabelId, layout::kGameFolderLabel);
  add(L"STATIC", "", SS_LEFT | SS_NOPREFIX, kNoticeId, layout::kNoticeLabel);
  // The box bears its question as its own text too, hidden by its size: screen readers name a
  // check box by its text.
  add(L"BUTTON", "", BS_CHECKBOX | WS_TABSTOP | WS_GROUP, kLaunchBoxId, layout::kLaunchBox);
  add(L"STATIC", "", SS_LEFT | SS_NOPREFIX, kLaunchQuestionId, layout::kLaunchQuestionLabel);
  add(L"BUTTON", "", BS_GROUPBOX, kVoiceFrameId, layout::kVoiceFrame);
  add(L"STATIC", Text("main.server_label"), SS_RIGHT | SS_NOPREFIX, kServerLabelId,
      layout::kServerLabel);
  add(L"EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP, kServerBoxId, layout::kServerBox);
  add(L"STATIC", Text("main.channel_label"), SS_RIGHT | SS_NOPREFIX, kChannelLabelId,
      layout::kChannelLabel);
  add(L"EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP, kChannelBoxId, layout::kChannelBox);
  add(L"STATIC", Text("main.password_label"), SS_LEFT | SS_NOPREFIX, kPasswordLabelId,
      layout::kPasswordLabel);
  add(L"EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP, kPasswordBoxId, layout::kPasswordBox);
  add(L"BUTTON", "", BS_RADIOBUTTON | WS_TABSTOP | WS_GROUP, kCommunityOptionId,
      layout::kCommunityOption);
  add(L"BUTTON", "", BS_RADIOBUTTON, kOwnServerOptionId, layout::kOwnServerOption);
  // The choice of clients is one group: the first option starts it.
  int left = layout::kVoiceClientOptionsLeft;
  for (size_t index = 0; index < form_->Clients().Count(); ++index) {
    const VoiceTexts& texts = form_->Clients().At(index).Texts();
    add(L"BUTTON", texts.option, BS_RADIOBUTTON | (index == 0 ? WS_TABSTOP | WS_GROUP : 0),
        OptionId(index), layout::VoiceClientOption(left, texts.optionWidth));
    left += texts.optionWidth + layout::kVoiceClientOptionGap;
  }
  add(L"STATIC", "", SS_LEFT | SS_NOPREFIX, kVoiceClientNoteId, layout::kVoiceClientNote);
  add(L"STATIC", Text("main.voice_name_label"), SS_RIGHT | SS_NOPREFIX, kVoiceNameLabelId,
      layout::kVoiceNameLabel);
  add(L"EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP, kVoiceNameBoxId, layout::kVoiceNameBox);
  add(L"STATIC", "", SS_LEFT | SS_NOPREFIX, kVoiceNameHintId, layout::kVoiceNameHint);
  for (size_t box = 0; box < form_->SettingBoxes().size(); ++box) {
    const layout::SettingBox& row = form_->SettingBoxes()[box];
    add(L"BUTTON", Text(row.caption), BS_CHECKBOX | WS_TABSTOP | WS_GROUP, SettingBoxId(box),
        row.place);
  }
}

HWND MainWindow::Control(MainControl control) const { return ::GetDlgItem(window_, IdOf(control)); }

// Until the window exists the form's state is all there is: the form shows every control when
// the window is made.
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

void MainWindow::SetSettingBox(size_t box, bool ticked) {
  if (!window_) return;
  ::SendMessageW(::GetDlgItem(window_, SettingBoxId(box)), BM_SETCHECK,
                 ticked ? BST_CHECKED : BST_UNCHECKED, 0);
}

// Install and Un-Install take turns in one place. Keys would go on reaching a hidden control
// that had the focus, so the focus passes to whichever of the two shows, and the window holds
// it while neither does.
void MainWindow::SetVisible(MainControl control, bool visible) {
  if (!window_) return;
  const HWND handle = Control(control);
  if (!visible && ::GetFocus() == handle) focusWaitsForPicture_ = true;
  ::ShowWindow(handle, visible ? SW_SHOWNA : SW_HIDE);
  if (!focusWaitsForPicture_) return;
  for (MainControl picture : {MainControl::InstallButton, MainControl::UninstallButton}) {
    if (::IsWindowVisible(Control(picture))) {
      ::SetFocus(Control(picture));
      focusWaitsForPicture_ = false;
      return;
    }
  }
  ::SetFocus(window_);
}

// Each text is fitted to its place as it changes; a screen reader hears the new name of a
// control whose text is set.
void MainWindow::ShowVoiceClient(size_t chosen, const VoiceTexts& texts) {
  if (!window_) return;
  for (size_t index = 0; index < form_->Clients().Count(); ++index) {
    ::SendMessageW(::GetDlgItem(window_, OptionId(index)), BM_SETCHECK,
                   index == chosen ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  for (const ClientText& shown : kClientTexts) {
    const HWND control = ::GetDlgItem(window_, shown.id);
    ::SetWindowTextW(control, Widen(texts.*shown.text).c_str());
    FitTextToPlace(control);
  }
  // The launch box's own text, hidden by its size and so not fitted: its name for screen readers.
  ::SetWindowTextW(::GetDlgItem(window_, kLaunchBoxId), Widen(texts.launchQuestion).c_str());
  const bool takesName = !texts.nameHint.empty();
  for (int id : kVoiceNameControls) {
    ::ShowWindow(::GetDlgItem(window_, id), takesName ? SW_SHOWNA : SW_HIDE);
  }
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
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CLOSE:
      onClose_();
      return 0;
    // The dialog manager asks which button Enter presses when the focus is on none.
    case DM_GETDEFID:
      return MAKELRESULT(kOkButtonId, DC_HASDEFID);
  }
  return DefaultHandling(message, wParam, lParam);
}

void MainWindow::OnCommand(int id, int code) {
  // Esc, through the dialog manager: the same close as the title bar's, which stores nothing.
  if (id == IDCANCEL) {
    onClose_();
    return;
  }
  if (IsTextBox(id)) {
    if (code != EN_CHANGE) return;
    const std::string text = Narrow(WindowText(::GetDlgItem(window_, id)));
    if (id == kVoiceNameBoxId) {
      form_->SetVoiceName(text);
    } else {
      form_->SetText(BoxOf(id), text);
    }
    return;
  }
  if (code != BN_CLICKED) return;
  if (id >= kFirstVoiceClientOptionId && id < OptionId(form_->Clients().Count())) {
    form_->SelectVoiceClient(static_cast<size_t>(id - kFirstVoiceClientOptionId));
    return;
  }
  if (id >= kFirstSettingBoxId && id < SettingBoxId(form_->SettingBoxes().size())) {
    const auto box = static_cast<size_t>(id - kFirstSettingBoxId);
    form_->SetSettingBox(box, !form_->SettingBoxTicked(box));
    return;
  }
  switch (id) {
    case kLaunchBoxId:
      form_->SetLaunchBox(form_->LaunchBox() == 1 ? 0 : 1);
      break;
    case kCommunityOptionId:
      form_->SelectCommunityServer();
      break;
    case kOwnServerOptionId:
      form_->SelectOwnServer();
      break;
    case kLogoId:
      form_->OnLogoClicked();
      break;
    case kOkButtonId:
      form_->OnOkClicked();
      break;
    case kUninstallButtonId:
      form_->OnUninstallClicked();
      break;
    case kInstallButtonId:
      form_->OnInstallClicked();
      break;
    case kChangeButtonId:
      form_->OnChangeFolderClicked();
      break;
    case kServersButtonId:
      form_->OnServersClicked();
      break;
  }
}

LRESULT MainWindow::OnControlColour(HDC dc, HWND control) {
  const int id = ::GetDlgCtrlID(control);
  if (IsTextBox(id)) {
    ::SetTextColor(dc, ::IsWindowEnabled(control) ? kWhite : kDisabledText);
    ::SetBkColor(dc, kDarkOlive);
    return reinterpret_cast<LRESULT>(boxBrush_.get());
  }
  return YellowOnBlack(dc);
}

// The two olive rules across the window.
void MainWindow::Paint(HDC dc) const {
  UniqueHpen pen(::CreatePen(PS_SOLID, ScaleForDpi(1, Dpi()), kOlive));
  SelectedObject selected(dc, pen.get());
  for (int y : {layout::kUpperRuleY, layout::kLowerRuleY}) {
    ::MoveToEx(dc, Px(layout::kRuleLeft), Px(y), nullptr);
    ::LineTo(dc, Px(layout::kRuleRight) + 1, Px(y));
  }
}

}  // namespace cindermoor::win32
