#include "ui/win32/servers_window.h"

#include <iterator>

#include "common/fatal_error.h"
#include "text/text.h"
#include "ui/win32/password_box.h"
#include "win32/library_function.h"
#include "win32/text.h"
#include "window_kit/pictures.h"
#include "window_kit/win32/picture_control.h"
#include "window_kit/win32/text_fit.h"

namespace cindermoor::win32 {
namespace {

constexpr wchar_t kClassName[] = L"CindermoorServersWindow";

enum ControlId : int {
  kRecentOptionId = 100,
  kFavouritesOptionId,
  kAllOptionId,
  kServerListId,
  kPlayerListId,
  kAddFavouriteId,
  kRemoveFavouriteId,
  kRefreshId,
  kJoinId,
};
constexpr UINT_PTR kRefreshTimerId = 1;

// Fixed design, in twips from the client area's top-left corner.
constexpr int kClientWidth = 10200;
constexpr int kClientHeight = 6255;
struct OptionDesign {
  int id;
  ServerView view;
  TextKey text;
  TwipRect place;
};
constexpr OptionDesign kOptions[] = {
    {kRecentOptionId, ServerView::Recent, "servers.recent", {120, 120, 1080, 255}},
    {kFavouritesOptionId, ServerView::Favourites, "servers.favourites", {1320, 120, 1320, 255}},
    {kAllOptionId, ServerView::All, "servers.all", {2760, 120, 1680, 255}},
};
constexpr TwipRect kServerList{120, 480, 9960, 3120};
constexpr TwipRect kPlayerList{120, 3720, 9960, 1800};
constexpr int kButtonsTop = 5640;
constexpr int kButtonsLeft = 120;
constexpr int kButtonsRight = 10080;
constexpr int kButtonGap = 120;

struct ColumnDesign {
  TextKey title;
  int width;  // twips
  int format;
};
// In ServerColumn's order.
constexpr ColumnDesign kServerListColumns[] = {
    {"servers.column.server", 3900, LVCFMT_LEFT},  {"servers.column.map", 1650, LVCFMT_LEFT},
    {"servers.column.players", 900, LVCFMT_RIGHT}, {"servers.column.ping", 750, LVCFMT_RIGHT},
    {"servers.column.address", 2100, LVCFMT_LEFT},
};
static_assert(std::size(kServerListColumns) == std::size(kServerColumns));
constexpr ColumnDesign kPlayerListColumns[] = {
    {"servers.column.player", 4200, LVCFMT_LEFT},
    {"servers.column.team", 3000, LVCFMT_LEFT},
    {"servers.column.score", 1200, LVCFMT_RIGHT},
    {"servers.column.player_ping", 1200, LVCFMT_RIGHT},
};

constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kDarkOlive = RGB(64, 64, 0);

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;
constexpr DWORD kListStyle = LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP;

// Nothing else in the program uses comctl32, and the manifest asks for no particular version
// of it: a served link, which never shows this window, does not load it.
void LoadListViews() {
  using InitControls = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  const auto init = LibraryFunction<InitControls>(L"comctl32.dll", "InitCommonControlsEx");
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
  if (!init || !init(&classes)) {
    throw FatalError(DescribeError(Text("fatal.cannot_load_common_controls"), ::GetLastError()));
  }
}

void AddColumns(HWND list, const ColumnDesign* columns, std::size_t count, int dpi) {
  for (std::size_t index = 0; index < count; ++index) {
    std::wstring title = Widen(Text(columns[index].title));
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = columns[index].format;
    column.cx = TwipsToPixels(columns[index].width, dpi);
    column.pszText = title.data();
    ::SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
  }
}

// The selected row in the window's colours, as the entry boxes are, rather than the system's
// highlight: the list then draws it as any other row, in the colours given here.
LRESULT DrawRow(NMLVCUSTOMDRAW& draw) {
  if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
  const HWND list = draw.nmcd.hdr.hwndFrom;
  const auto item = static_cast<WPARAM>(draw.nmcd.dwItemSpec);
  const bool selected = ::SendMessageW(list, LVM_GETITEMSTATE, item, LVIS_SELECTED) != 0;
  draw.nmcd.uItemState &= ~CDIS_SELECTED;
  draw.clrText = kYellow;
  draw.clrTextBk = selected ? kDarkOlive : kBlack;
  return CDRF_NEWFONT;
}

}  // namespace

void ServersWindow::Create(ServersForm& form) {
  form_ = &form;
  LoadListViews();
  const std::wstring title = Widen(Text("servers.title"));
  CreateTopLevel(
      this, {kClassName, title.c_str(), kStyle, kExStyle, kClientWidth, kClientHeight,
             AppIcon(::GetSystemMetrics(SM_CXICON)), AppIcon(::GetSystemMetrics(SM_CXSMICON))});
  CreateControls();
}

// In reading order, which is Tab's: the options (one group), the two lists, the buttons.
void ServersWindow::CreateControls() {
  for (const OptionDesign& option : kOptions) {
    const DWORD group = option.id == kRecentOptionId ? WS_TABSTOP | WS_GROUP : 0;
    FitTextToPlace(
        AddChild(L"BUTTON", Text(option.text), BS_RADIOBUTTON | group, 0, option.id, option.place));
  }
  // The server list asks the form for its texts, so a row that changes costs one redraw.
  AddColumns(AddListView(kServerListId, kListStyle | LVS_OWNERDATA | WS_GROUP, kServerList),
             kServerListColumns, std::size(kServerListColumns), Dpi());
  AddColumns(AddListView(kPlayerListId, kListStyle | LVS_NOSORTHEADER | WS_GROUP, kPlayerList),
             kPlayerListColumns, std::size(kPlayerListColumns), Dpi());
  const auto picture = [this](int id, Picture kind) {
    CreatePictureControl(window_, id, kind, 0, Px(kButtonsTop), Dpi());
  };
  picture(kAddFavouriteId, Picture::AddFavouriteButton);
  picture(kRemoveFavouriteId, Picture::RemoveFavouriteButton);
  picture(kRefreshId, Picture::RefreshButton);
  picture(kJoinId, Picture::JoinButton);
  PlaceButtons();
}

// The window's colours wherever the list view lets them be set: its ground and its text.
HWND ServersWindow::AddListView(int id, DWORD style, const TwipRect& place) {
  const HWND list = AddChild(WC_LISTVIEWW, "", style, WS_EX_CLIENTEDGE, id, place);
  ::SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  ::SendMessageW(list, LVM_SETBKCOLOR, 0, kBlack);
  ::SendMessageW(list, LVM_SETTEXTBKCOLOR, 0, kBlack);
  ::SendMessageW(list, LVM_SETTEXTCOLOR, 0, kYellow);
  return list;
}

// The favourites' two buttons from the left, Refresh and Join from the right, each as wide as
// its caption makes it in the language in use.
void ServersWindow::PlaceButtons() {
  const auto moveTo = [this](int id, int left) {
    const HWND button = ::GetDlgItem(window_, id);
    const RECT place = PlaceInParent(button);
    ::SetWindowPos(button, nullptr, left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    return static_cast<int>(place.right - place.left);
  };
  int left = Px(kButtonsLeft);
  for (int id : {kAddFavouriteId, kRemoveFavouriteId}) left += moveTo(id, left) + Px(kButtonGap);
  int right = Px(kButtonsRight);
  for (int id : {kJoinId, kRefreshId}) {
    const RECT place = PlaceInParent(::GetDlgItem(window_, id));
    right -= place.right - place.left;
    moveTo(id, right);
    right -= Px(kButtonGap);
  }
}

void ServersWindow::ShowChosenView(ServerView view) {
  for (const OptionDesign& option : kOptions) {
    ::SendDlgItemMessageW(window_, option.id, BM_SETCHECK,
                          option.view == view ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

void ServersWindow::ShowRowCount(std::size_t count) {
  const HWND list = ::GetDlgItem(window_, kServerListId);
  ::SendMessageW(list, LVM_SETITEMCOUNT, count, LVSICF_NOSCROLL);
  ::InvalidateRect(list, nullptr, FALSE);
}

void ServersWindow::ShowRowChanged(std::size_t index) {
  ::SendDlgItemMessageW(window_, kServerListId, LVM_REDRAWITEMS, index, index);
}

// The list tells of the change it is given as of any other; the form knows it already.
void ServersWindow::SelectRow(std::optional<std::size_t> index) {
  const HWND list = ::GetDlgItem(window_, kServerListId);
  selectingFromForm_ = true;
  LVITEMW state{};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
  if (index) {
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(list, LVM_SETITEMSTATE, *index, reinterpret_cast<LPARAM>(&state));
    ::SendMessageW(list, LVM_ENSUREVISIBLE, *index, FALSE);
  }
  selectingFromForm_ = false;
}

void ServersWindow::ShowPlayers(const std::vector<std::vector<std::string>>& lines) {
  const HWND list = ::GetDlgItem(window_, kPlayerListId);
  ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  ::SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
  for (std::size_t row = 0; row < lines.size(); ++row) {
    for (std::size_t column = 0; column < lines[row].size(); ++column) {
      std::wstring text = Widen(lines[row][column]);
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = static_cast<int>(row);
      item.iSubItem = static_cast<int>(column);
      item.pszText = text.data();
      ::SendMessageW(list, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, row,
                     reinterpret_cast<LPARAM>(&item));
    }
  }
  ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(list, nullptr, TRUE);
}

std::optional<std::string> ServersWindow::AskPassword(const std::string& server) {
  PasswordBox box;
  return box.Ask(window_, server);
}

void ServersWindow::ScheduleRefresh(int afterMs) {
  ::SetTimer(window_, kRefreshTimerId, static_cast<UINT>(afterMs), nullptr);
}

void ServersWindow::CancelRefresh() { ::KillTimer(window_, kRefreshTimerId); }

// The keyboard starts in the server list, where its keys act; coming back, it is where the
// player left it.
void ServersWindow::Show() {
  ShowCentred();
  if (::IsIconic(window_)) ::ShowWindow(window_, SW_RESTORE);
  if (!::IsChild(window_, ::GetFocus())) ::SetFocus(::GetDlgItem(window_, kServerListId));
}

void ServersWindow::Hide() { HideWindow(); }

LRESULT ServersWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return YellowOnBlack(reinterpret_cast<HDC>(wParam));
    case WM_TIMER:
      if (wParam != kRefreshTimerId) break;
      CancelRefresh();
      form_->OnRefreshDue();
      return 0;
    case WM_SIZE:
      OnSize(wParam);
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) form_->OnActivated();
      break;
    case WM_CLOSE:
      form_->OnCloseRequested();
      return 0;
    // The dialog manager asks which button Enter presses when the focus is on none.
    case DM_GETDEFID:
      return MAKELRESULT(kJoinId, DC_HASDEFID);
  }
  return DefaultHandling(message, wParam, lParam);
}

void ServersWindow::OnSize(WPARAM kind) {
  if (kind == SIZE_MINIMIZED) {
    minimized_ = true;
    form_->OnMinimized();
  } else if (kind == SIZE_RESTORED && minimized_) {
    minimized_ = false;
    form_->OnRestored();
  }
}

void ServersWindow::OnCommand(int id, int code) {
  if (id == IDCANCEL) {  // Esc, through the dialog manager
    form_->OnCloseRequested();
    return;
  }
  if (code != BN_CLICKED) return;
  for (const OptionDesign& option : kOptions) {
    if (option.id == id) form_->ChooseView(option.view);
  }
  switch (id) {
    case kAddFavouriteId:
      form_->OnAddFavourite();
      break;
    case kRemoveFavouriteId:
      form_->OnRemoveFavourite();
      break;
    case kRefreshId:
      form_->OnRefresh();
      break;
    case kJoinId:
      form_->OnJoin();
      break;
  }
}

LRESULT ServersWindow::OnNotify(const NMHDR& header) {
  if (header.idFrom != kServerListId && header.idFrom != kPlayerListId) return 0;
  if (header.code == NM_CUSTOMDRAW) {
    return DrawRow(const_cast<NMLVCUSTOMDRAW&>(reinterpret_cast<const NMLVCUSTOMDRAW&>(header)));
  }
  if (header.idFrom != kServerListId) return 0;
  switch (header.code) {
    case LVN_GETDISPINFOW:
      FillServerText(const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header)));
      return 0;
    case LVN_ITEMCHANGED: {
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      const bool nowSelected =
          (change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED);
      if (!selectingFromForm_ && (change.uChanged & LVIF_STATE) && nowSelected &&
          change.iItem >= 0) {
        form_->OnRowSelected(static_cast<std::size_t>(change.iItem));
      }
      return 0;
    }
    case LVN_COLUMNCLICK: {
      const int column = reinterpret_cast<const NMLISTVIEW&>(header).iSubItem;
      if (column >= 0 && column < static_cast<int>(std::size(kServerColumns))) {
        form_->OnColumnClicked(kServerColumns[column]);
      }
      return 0;
    }
    case NM_DBLCLK:
      if (reinterpret_cast<const NMITEMACTIVATE&>(header).iItem >= 0) form_->OnJoin();
      return 0;
  }
  return 0;
}

// Wherever the focus is in the window: nothing here takes typed text.
bool ServersWindow::OnShortcutKey(WPARAM key) {
  switch (key) {
    case VK_INSERT:
      form_->OnAddFavourite();
      return true;
    case VK_DELETE:
      form_->OnRemoveFavourite();
      return true;
    case VK_F5:
      form_->OnRefresh();
      return true;
  }
  return false;
}

void ServersWindow::FillServerText(NMLVDISPINFOW& info) const {
  LVITEMW& item = info.item;
  if (!(item.mask & LVIF_TEXT) || item.iItem < 0 || item.cchTextMax <= 0) return;
  const auto row = static_cast<std::size_t>(item.iItem);
  const auto column = static_cast<std::size_t>(item.iSubItem);
  if (row >= form_->RowCount() || column >= std::size(kServerColumns)) return;
  const std::wstring text = Widen(ColumnText(form_->Row(row), kServerColumns[column]));
  ::lstrcpynW(item.pszText, text.c_str(), item.cchTextMax);
}

}  // namespace cindermoor::win32
