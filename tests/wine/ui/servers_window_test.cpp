// The servers window on screen, on the in-memory query engine: its lists, keys and buttons.
#include "ui/win32/servers_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doubles/memory_server_queries.h"
#include "host/ui/forms_world.h"
#include "win32/device_context.h"
#include "win32/text.h"
#include "window_kit/win32/window_instance.h"
#include "window_pixels.h"

namespace cindermoor::win32 {
namespace {

constexpr COLORREF kSelectedGround = RGB(64, 64, 0);

std::string ItemText(HWND list, int item, int column) {
  wchar_t text[128] = {};
  LVITEMW request{};
  request.iSubItem = column;
  request.pszText = text;
  request.cchTextMax = 128;
  ::SendMessageW(list, LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&request));
  return Narrow(text);
}

std::vector<std::string> Column(HWND list, int column) {
  std::vector<std::string> texts;
  const auto count = ::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
  for (int item = 0; item < count; ++item) texts.push_back(ItemText(list, item, column));
  return texts;
}

std::vector<std::string> Headers(HWND list) {
  std::vector<std::string> titles;
  for (int index = 0;; ++index) {
    wchar_t title[64] = {};
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT;
    column.pszText = title;
    column.cchTextMax = 64;
    if (!::SendMessageW(list, LVM_GETCOLUMNW, index, reinterpret_cast<LPARAM>(&column))) break;
    titles.push_back(Narrow(title));
  }
  return titles;
}

// A key as the program's message loop hands it on: to the window's shortcuts, then to the
// dialog manager.
void PressKey(HWND window, HWND focus, WPARAM key) {
  ::SetFocus(focus);
  MSG message{focus, WM_KEYDOWN, key, 1};
  if (OfferShortcutKey(message)) return;
  if (!::IsDialogMessageW(window, &message)) ::DispatchMessageW(&message);
  testing::HandlePendingMessages();
}

// A left click on a child window, at a point of its own client area.
void ClickAt(HWND control, POINT at) {
  ::SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  ::SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  testing::HandlePendingMessages();
}

ServerReport Answer(const char* host, const char* name, int ping) {
  ServerStatus status;
  status.name = name;
  status.map = "Raindance";
  status.players = 1;
  status.maxPlayers = 16;
  status.playerList = {{"Ann", "Blood Eagle", 7, 40, 0}};
  return {{host, 28001}, QueryState::Answered, status, ping};
}

class ServersWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    world.settings.Write(setting::kRecentServers, "10.0.0.1:28001 10.0.0.2:28001");
    window.Create(form);
    serverList = ::FindWindowExW(window.Handle(), nullptr, WC_LISTVIEWW, nullptr);
    playerList = ::FindWindowExW(window.Handle(), serverList, WC_LISTVIEWW, nullptr);
    ASSERT_TRUE(serverList && playerList);
    form.Show();
    testing::HandlePendingMessages();
  }

  fakes::FormsWorld world;
  MemoryServerQueries* queries = nullptr;
  std::vector<std::string> served;
  ServersWindow window;
  ServersForm form{{world.settings,
                    [this](ServerQueryListener& listener) {
                      auto made = std::make_unique<MemoryServerQueries>(listener);
                      queries = made.get();
                      return made;
                    },
                    [this](const std::string& link) { served.push_back(link); }},
                   window};
  HWND serverList = nullptr;
  HWND playerList = nullptr;
};

TEST_F(ServersWindowTest, ListsShowTheirColumnsInTheWindowsColoursAndRowsAsAnswersCome) {
  EXPECT_EQ(WindowText(window.Handle()), L"Cindermoor Servers");
  EXPECT_EQ(Headers(serverList),
            (std::vector<std::string>{"Server", "Map", "Players", "Ping", "Address"}));
  EXPECT_EQ(Headers(playerList), (std::vector<std::string>{"Player", "Team", "Score", "Ping"}));
  for (HWND list : {serverList, playerList}) {
    EXPECT_EQ(::SendMessageW(list, LVM_GETBKCOLOR, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(::SendMessageW(list, LVM_GETTEXTCOLOR, 0, 0), RGB(255, 255, 0));
  }
  EXPECT_EQ(Column(serverList, 0), (std::vector<std::string>{"10.0.0.1:28001", "10.0.0.2:28001"}));
  queries->Deliver(Answer("10.0.0.2", "Cinder Pit", 33));
  EXPECT_EQ(ItemText(serverList, 1, 0), "Cinder Pit");
  EXPECT_EQ(ItemText(serverList, 1, 2), "1/16");
  EXPECT_EQ(ItemText(serverList, 1, 3), "33");
  EXPECT_EQ(::SendMessageW(playerList, LVM_GETITEMCOUNT, 0, 0), 0);  // the first row is selected
  PressKey(window.Handle(), serverList, VK_DOWN);
  EXPECT_EQ(Column(playerList, 1), std::vector<std::string>{"Blood Eagle"});
  // The selected row in the window's colours, the others on its black ground, as the screen
  // shows them (printing a list view draws none of its rows).
  ::UpdateWindow(serverList);
  const WindowDc screen(nullptr);
  for (int item : {0, 1}) {
    RECT row{};
    row.left = LVIR_BOUNDS;
    ::SendMessageW(serverList, LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&row));
    POINT end{row.right - 3, (row.top + row.bottom) / 2};
    ::ClientToScreen(serverList, &end);
    EXPECT_EQ(::GetPixel(screen.get(), end.x, end.y), item == 1 ? kSelectedGround : RGB(0, 0, 0));
  }
}

TEST_F(ServersWindowTest, KeysAndClicksReachTheForm) {
  queries->Deliver(Answer("10.0.0.1", "b", 90));
  queries->Deliver(Answer("10.0.0.2", "a", 20));
  // Wherever the focus is.
  const HWND recentOption = ::FindWindowExW(window.Handle(), nullptr, L"Button", L"Recent");
  PressKey(window.Handle(), recentOption, VK_INSERT);
  EXPECT_EQ(world.settings.Read(setting::kFavouriteServers), "10.0.0.1:28001");
  PressKey(window.Handle(), playerList, VK_DELETE);
  EXPECT_EQ(world.settings.Read(setting::kFavouriteServers), "");
  const auto asked = queries->askedServers.size();
  PressKey(window.Handle(), serverList, VK_F5);
  EXPECT_EQ(queries->askedServers.size(), asked + 1);
  // The Ping header: sorted by ping.
  const auto header = reinterpret_cast<HWND>(::SendMessageW(serverList, LVM_GETHEADER, 0, 0));
  RECT ping{};
  ::SendMessageW(header, HDM_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&ping));
  ClickAt(header, {(ping.left + ping.right) / 2, (ping.top + ping.bottom) / 2});
  EXPECT_EQ(Column(serverList, 3), (std::vector<std::string>{"20", "90"}));
  PressKey(window.Handle(), serverList, VK_RETURN);
  EXPECT_EQ(served, std::vector<std::string>{"tribes://10.0.0.1:28001/"});
  PressKey(window.Handle(), serverList, VK_ESCAPE);
  EXPECT_FALSE(::IsWindowVisible(window.Handle()));
  EXPECT_FALSE(form.IsVisible());
}

TEST_F(ServersWindowTest, TabReachesEveryControlInReadingOrder) {
  std::vector<std::wstring> order;
  const HWND first = ::GetNextDlgTabItem(window.Handle(), nullptr, FALSE);
  for (HWND control = first; control && order.size() < 12;) {
    wchar_t name[32] = {};
    ::GetClassNameW(control, name, 32);
    order.push_back(std::wstring(name) + L" " + WindowText(control));
    control = ::GetNextDlgTabItem(window.Handle(), control, FALSE);
    if (control == first) break;
  }
  EXPECT_EQ(order,
            (std::vector<std::wstring>{L"Button Recent", L"SysListView32 ", L"SysListView32 ",
                                       L"CindermoorPicture Add to favourites",
                                       L"CindermoorPicture Remove from favourites",
                                       L"CindermoorPicture Refresh", L"CindermoorPicture Join"}));
}

}  // namespace
}  // namespace cindermoor::win32
