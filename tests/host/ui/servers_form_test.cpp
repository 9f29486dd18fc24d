#include "ui/servers_form.h"

#include <gtest/gtest.h>

#include "doubles/memory_server_queries.h"
#include "doubles/memory_settings_store.h"
#include "state/launcher_settings.h"

namespace cindermoor {
namespace {

ServerAddress At(const char* host, std::uint16_t port = 28001) { return {host, port}; }

ServerReport Answer(const ServerAddress& address, const char* name, int players, int ping,
                    bool needsPassword = false) {
  ServerStatus status;
  status.name = name;
  status.map = "Raindance";
  status.players = players;
  status.maxPlayers = 32;
  status.needsPassword = needsPassword;
  status.playerList = {{"Ann", "Blood Eagle", 7, 40, 0}};
  return {address, QueryState::Answered, status, ping};
}

class RecordingServersView : public ServersFormView {
 public:
  void ShowChosenView(ServerView view) override { shownView = view; }
  void ShowRowCount(std::size_t count) override { rowCount = count; }
  void ShowRowChanged(std::size_t index) override { changedRows.push_back(index); }
  void SelectRow(std::optional<std::size_t> index) override { selected = index; }
  void ShowPlayers(const std::vector<std::vector<std::string>>& lines) override { players = lines; }
  std::optional<std::string> AskPassword(const std::string& server) override {
    askedPasswordFor.push_back(server);
    return password;
  }
  void ScheduleRefresh(int afterMs) override { refreshDueIn = afterMs; }
  void CancelRefresh() override { refreshDueIn.reset(); }
  void Show() override { visible = true; }
  void Hide() override { visible = false; }

  ServerView shownView = ServerView::All;
  std::size_t rowCount = 0;
  std::vector<std::size_t> changedRows;
  std::optional<std::size_t> selected;
  std::vector<std::vector<std::string>> players;
  std::vector<std::string> askedPasswordFor;
  std::optional<std::string> password;
  std::optional<int> refreshDueIn;
  bool visible = false;
};

class ServersFormTest : public testing::Test {
 protected:
  void Store(const char* key, const std::string& value) {
    store.WriteSetting(LauncherSettings::kApplication, LauncherSettings::kSection, key, value);
  }
  std::string Stored(const char* key) {
    return store.ReadSetting(LauncherSettings::kApplication, LauncherSettings::kSection, key);
  }
  std::vector<std::string> ShownColumn(ServerColumn column) {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < form.RowCount(); ++i)
      texts.push_back(ColumnText(form.Row(i), column));
    return texts;
  }

  MemorySettingsStore store;
  LauncherSettings settings{store};
  RecordingServersView view;
  MemoryServerQueries* queries = nullptr;
  std::vector<std::string> served;
  std::function<std::unique_ptr<ServerQueries>(ServerQueryListener&)> Engine() {
    return [this](ServerQueryListener& listener) {
      auto made = std::make_unique<MemoryServerQueries>(listener);
      queries = made.get();
      return made;
    };
  }

  ServersForm form{
      {settings, Engine(), [this](const std::string& link) { served.push_back(link); }}, view};
};

TEST_F(ServersFormTest, OpensOnFavouritesWhenThereAreAnyElseOnRecent) {
  for (const char* favourites : {"", "10.0.0.9:28001"}) {
    SCOPED_TRACE(favourites);
    Store(setting::kRecentServers, "10.0.0.1 10.0.0.2:28005");
    Store(setting::kFavouriteServers, favourites);
    ServersForm opened{{settings, Engine(), {}}, view};
    opened.Show();
    const bool recent = *favourites == '\0';
    EXPECT_EQ(view.shownView, recent ? ServerView::Recent : ServerView::Favourites);
    const std::vector<ServerAddress> asked =
        recent ? std::vector{At("10.0.0.1"), At("10.0.0.2", 28005)} : std::vector{At("10.0.0.9")};
    EXPECT_EQ(queries->askedServers.back(), asked);
    EXPECT_EQ(view.refreshDueIn, ServersForm::kRefreshEveryMs);
  }
}

TEST_F(ServersFormTest, RowsShowAnswersAsTheyArriveAndKeepTheLastKnownName) {
  Store(setting::kRecentServers, "10.0.0.1 10.0.0.2");
  form.Show();
  EXPECT_EQ(ShownColumn(ServerColumn::Server),
            (std::vector<std::string>{"10.0.0.1:28001", "10.0.0.2:28001"}));
  queries->Deliver(Answer(At("10.0.0.2"), "Cinder Pit", 3, 42));
  EXPECT_EQ(view.changedRows, std::vector<std::size_t>{1});
  EXPECT_EQ(ColumnText(form.Row(1), ServerColumn::Players), "3/32");
  EXPECT_EQ(ColumnText(form.Row(1), ServerColumn::Ping), "42");
  queries->Deliver({At("10.0.0.2"), QueryState::NotAnswering, std::nullopt, 0});
  for (ServerColumn column : {ServerColumn::Map, ServerColumn::Players, ServerColumn::Ping}) {
    EXPECT_EQ(ColumnText(form.Row(1), column), "");
  }
  EXPECT_EQ(ColumnText(form.Row(1), ServerColumn::Server), "Cinder Pit");
  form.ChooseView(ServerView::Favourites);
  form.ChooseView(ServerView::Recent);
  EXPECT_EQ(ColumnText(form.Row(1), ServerColumn::Server), "Cinder Pit");
  // Not in the view: ignored.
  queries->Deliver(Answer(At("10.9.9.9"), "Stray", 1, 1));
  EXPECT_EQ(form.RowCount(), 2u);
}

TEST_F(ServersFormTest, AHeaderClickSortsAndASecondReversesTheSelectionFollowsTheServer) {
  Store(setting::kRecentServers, "10.0.0.1 10.0.0.2 10.0.0.3");
  form.Show();
  queries->Deliver(Answer(At("10.0.0.1"), "b", 5, 90));
  queries->Deliver(Answer(At("10.0.0.3"), "A", 1, 20));
  form.OnRowSelected(0);
  form.OnColumnClicked(ServerColumn::Ping);
  EXPECT_EQ(ShownColumn(ServerColumn::Ping), (std::vector<std::string>{"20", "90", ""}));
  EXPECT_EQ(view.selected, 1u);
  form.OnColumnClicked(ServerColumn::Ping);
  EXPECT_EQ(ShownColumn(ServerColumn::Ping), (std::vector<std::string>{"90", "20", ""}));
  form.OnColumnClicked(ServerColumn::Server);
  EXPECT_EQ(ShownColumn(ServerColumn::Server),
            (std::vector<std::string>{"10.0.0.2:28001", "A", "b"}));
  // A sorted view stays sorted as answers come.
  queries->Deliver(Answer(At("10.0.0.2"), "c", 2, 5));
  EXPECT_EQ(ShownColumn(ServerColumn::Server), (std::vector<std::string>{"A", "b", "c"}));
  EXPECT_EQ(form.Row(*view.selected).address, At("10.0.0.1"));
  EXPECT_EQ(view.players[0], (std::vector<std::string>{"Ann", "Blood Eagle", "7", "40"}));
}

TEST_F(ServersFormTest, FavouritesAreAddedInOrderOnceAndRemovedFromAnyView) {
  Store(setting::kRecentServers, "10.0.0.1 10.0.0.2");
  form.Show();
  for (std::size_t row : {1, 0, 1}) {
    form.OnRowSelected(row);
    form.OnAddFavourite();
  }
  EXPECT_EQ(Stored(setting::kFavouriteServers), "10.0.0.2:28001 10.0.0.1:28001");
  form.ChooseView(ServerView::Favourites);
  form.OnRowSelected(0);
  form.OnRemoveFavourite();
  EXPECT_EQ(Stored(setting::kFavouriteServers), "10.0.0.1:28001");
  EXPECT_EQ(form.RowCount(), 1u);
  EXPECT_EQ(view.selected, 0u);
  form.ChooseView(ServerView::Recent);
  form.OnRowSelected(0);
  form.OnRemoveFavourite();
  EXPECT_EQ(Stored(setting::kFavouriteServers), "");
}

TEST_F(ServersFormTest, JoinServesTheAddressLinkAskingForAPasswordOnlyWhenTheServerNeedsOne) {
  struct Case {
    bool needsPassword;
    std::optional<std::string> typed;
    std::vector<std::string> served;
  };
  for (const Case& c :
       {Case{false, "unused", {"tribes://10.0.0.1:28001/"}},
        Case{true, "s3cret", {"tribes://10.0.0.1:28001/p=s3cret"}}, Case{true, std::nullopt, {}}}) {
    served.clear();
    view.askedPasswordFor.clear();
    view.password = c.typed;
    Store(setting::kRecentServers, "10.0.0.1");
    form.Show();
    queries->Deliver(Answer(At("10.0.0.1"), "<b>Pit</b>", 1, 9, c.needsPassword));
    form.OnJoin();
    EXPECT_EQ(served, c.served);
    EXPECT_EQ(view.askedPasswordFor.size(), c.needsPassword ? 1u : 0u);
    EXPECT_EQ(Stored(setting::kRecentServers), "10.0.0.1");  // nothing stored, no password
    form.OnCloseRequested();
  }
}

TEST_F(ServersFormTest, RefreshAsksAgainAndTheScheduleStopsOutOfSight) {
  Store(setting::kMasterServers, "127.0.0.1:28999");
  form.Show();
  form.ChooseView(ServerView::All);
  EXPECT_EQ(queries->askedMasters.back(), std::vector{At("127.0.0.1", 28999)});
  queries->DeliverMasterList({At("10.0.0.5"), At("10.0.0.6")});
  EXPECT_EQ(form.RowCount(), 2u);
  EXPECT_EQ(queries->askedServers.back().size(), 2u);
  form.OnRefreshDue();
  EXPECT_EQ(queries->askedMasters.size(), 2u);
  form.OnMinimized();
  EXPECT_FALSE(view.refreshDueIn);
  form.OnRefreshDue();
  EXPECT_EQ(queries->askedMasters.size(), 2u);
  form.OnRestored();
  EXPECT_EQ(queries->askedMasters.size(), 3u);
  form.OnCloseRequested();
  EXPECT_FALSE(view.visible);
  EXPECT_FALSE(view.refreshDueIn);
  form.OnRefreshDue();
  EXPECT_EQ(queries->askedMasters.size(), 3u);
  // Recorded by another launcher meanwhile: shown when the player comes back.
  form.Show();
  Store(setting::kRecentServers, "10.0.0.7");
  form.OnActivated();
  EXPECT_EQ(queries->askedServers.back(), std::vector{At("10.0.0.7")});
}

}  // namespace
}  // namespace cindermoor
