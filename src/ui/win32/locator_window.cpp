#include "ui/win32/locator_window.h"

#include "log/win32/log_file_win32.h"
#include "win32/text.h"
#include "window_kit/pictures.h"
#include "window_kit/win32/picture_control.h"

namespace cindermoor::win32 {
namespace {

constexpr wchar_t kClassName[] = L"CindermoorLocatorWindow";
// Not drawn, as the window has no title bar; the taskbar and window lists show it.
constexpr wchar_t kTitle[] = L"Location of Tribes.exe";

enum ControlId : int {
  kDriveListId = 100,
  kFolderListId,
  kFileListId,
  kInstructionId,
  kOkButtonId
};

// Fixed design, in twips from the client area's top-left corner.
constexpr int kClientWidth = 6255;
constexpr int kClientHeight = 4095;
constexpr TwipRect kFileList{3120, 600, 3015, 2955};
constexpr TwipRect kFolderList{120, 600, 3015, 3015};
constexpr TwipRect kDriveList{120, 3720, 6015, 315};
constexpr TwipRect kInstructionLabel{840, 240, 5175, 255};
constexpr int kOkButtonLeft = 120;
constexpr int kOkButtonTop = 120;
// How many drives the open drop-down shows before it scrolls.
constexpr int kDropDownLines = 8;

constexpr const char* kInstruction = "Select your Tribes Executable from the list and click OK.";
constexpr COLORREF kYellow = RGB(255, 255, 0);

// WS_SYSMENU lets Alt+F4 reach the window; with no caption nothing of it is drawn. The
// taskbar button matters when the start-up sequence shows this window alone.
constexpr DWORD kStyle = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;

constexpr DWORD kListStyle = WS_VSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY;

// The folder list shows its chain and sub-folders as a tree, one step of indent per level.
std::wstring FolderLine(const FolderEntry& entry) {
  return std::wstring(static_cast<size_t>(entry.depth) * 2, L' ') + Widen(entry.name);
}

std::vector<std::wstring> Widened(const std::vector<std::string>& texts) {
  std::vector<std::wstring> lines;
  for (const std::string& text : texts) lines.push_back(Widen(text));
  return lines;
}

// A closed combo box is as high as its font makes it; the design gives it a height of its own.
// Systems differ in what they add to the requested field height (Wine adds its own margin),
// so the height is measured and the request corrected.
void FitClosedHeight(HWND combo, int height) {
  auto requested = ::SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  for (int attempt = 0; attempt < 3; ++attempt) {
    RECT closed{};
    ::GetWindowRect(combo, &closed);
    const int difference = height - (closed.bottom - closed.top);
    if (difference == 0) return;
    requested += difference;
    ::SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), requested);
  }
}

}  // namespace

void LocatorWindow::Create(LocatorForm& form) {
  form_ = &form;
  CreateTopLevel(
      this, {kClassName, kTitle, kStyle, kExStyle, kClientWidth, kClientHeight, nullptr, nullptr});
  CreateControls();
}

// Created in the keyboard order: OK, first in reading order, then the drive, folder and file
// lists, then the label, which takes no focus.
void LocatorWindow::CreateControls() {
  CreatePictureControl(window_, kOkButtonId, Picture::OkButton, Px(kOkButtonLeft), Px(kOkButtonTop),
                       Dpi());
  // A combo box's height includes its open list.
  const int fieldHeight = Px(kDriveList.height);
  const RECT openCombo{Px(kDriveList.left), Px(kDriveList.top),
                       Px(kDriveList.left) + Px(kDriveList.width),
                       Px(kDriveList.top) + fieldHeight * (1 + kDropDownLines)};
  HWND driveList = AddChildInPixels(L"COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0,
                                    kDriveListId, openCombo);
  FitClosedHeight(driveList, fieldHeight);
  AddChild(L"LISTBOX", "", kListStyle, WS_EX_CLIENTEDGE, kFolderListId, kFolderList);
  AddChild(L"LISTBOX", "", kListStyle, WS_EX_CLIENTEDGE, kFileListId, kFileList);
  FitTextToPlace(AddChild(L"STATIC", kInstruction, SS_LEFT | SS_NOPREFIX, 0, kInstructionId,
                          kInstructionLabel));
}

void LocatorWindow::FillList(int id, const std::vector<std::wstring>& lines, int selected) {
  HWND list = ::GetDlgItem(window_, id);
  const bool combo = id == kDriveListId;
  ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  ::SendMessageW(list, combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
  for (const std::wstring& line : lines) {
    ::SendMessageW(list, combo ? CB_ADDSTRING : LB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(line.c_str()));
  }
  ::SendMessageW(list, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
  ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(list, nullptr, TRUE);
}

void LocatorWindow::SetDrives(const std::vector<std::string>& drives) {
  FillList(kDriveListId, Widened(drives), -1);
}

void LocatorWindow::SelectDrive(int index) {
  ::SendDlgItemMessageW(window_, kDriveListId, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void LocatorWindow::SetFolders(const std::vector<FolderEntry>& entries, size_t current) {
  std::vector<std::wstring> lines;
  for (const FolderEntry& entry : entries) lines.push_back(FolderLine(entry));
  FillList(kFolderListId, lines, static_cast<int>(current));
}

void LocatorWindow::SetFiles(const std::vector<std::string>& files) {
  FillList(kFileListId, Widened(files), -1);
}

void LocatorWindow::ShowMessage(const std::string& text) {
  ::MessageBoxW(window_, Widen(WithLogPlace(text)).c_str(), kTitle, MB_OK | MB_ICONEXCLAMATION);
}

void LocatorWindow::Show() { ShowCentred(); }

void LocatorWindow::Hide() { HideWindow(); }

LRESULT LocatorWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT:
      return YellowOnBlack(reinterpret_cast<HDC>(wParam),
                           ::GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == kInstructionId);
    // Closing from the keyboard leaves as OK does, but stores nothing.
    case WM_CLOSE:
      form_->OnCloseRequested();
      return 0;
    // The dialog manager asks which button Enter presses when the focus is on none.
    case DM_GETDEFID:
      return MAKELRESULT(kOkButtonId, DC_HASDEFID);
  }
  return DefaultHandling(message, wParam, lParam);
}

// A single click in the folder list only highlights; a double click opens.
void LocatorWindow::OnCommand(int id, int code) {
  if (id == IDCANCEL) {  // Esc, through the dialog manager
    form_->OnCloseRequested();
  } else if (id == kDriveListId && code == CBN_SELCHANGE) {
    const auto index = ::SendDlgItemMessageW(window_, kDriveListId, CB_GETCURSEL, 0, 0);
    if (index >= 0 && static_cast<size_t>(index) < form_->Drives().size()) {
      form_->OnDriveChosen(form_->Drives()[static_cast<size_t>(index)]);
    }
  } else if (id == kFolderListId && code == LBN_DBLCLK) {
    const auto index = ::SendDlgItemMessageW(window_, kFolderListId, LB_GETCURSEL, 0, 0);
    if (index >= 0 && static_cast<size_t>(index) < form_->FolderList().size()) {
      // Copied: opening rebuilds the entries.
      const std::string path = form_->FolderList()[static_cast<size_t>(index)].path;
      form_->OpenFolder(path);
    }
  } else if (id == kOkButtonId && code == BN_CLICKED) {
    form_->OnOkClicked();
  }
}

// A yellow frame around the whole client area.
void LocatorWindow::Paint(HDC dc) const {
  UniqueHpen pen(::CreatePen(PS_INSIDEFRAME, ScaleForDpi(1, Dpi()), kYellow));
  SelectedObject selectedPen(dc, pen.get());
  SelectedObject hollow(dc, ::GetStockObject(NULL_BRUSH));
  ::Rectangle(dc, 0, 0, Px(kClientWidth), Px(kClientHeight));
}

}  // namespace cindermoor::win32
