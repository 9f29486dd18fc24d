// The servers window's behaviour: the Recent, Favourites and All servers views, each server's
// row as its answer arrives, favourites kept, and joining a server as its link would.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "servers/server_queries.h"
#include "ui/server_rows.h"

namespace cindermoor {

class LauncherSettings;

enum class ServerView { Recent, Favourites, All };

// What the servers window's behaviour asks of its face on screen.
class ServersFormView {
 public:
  virtual ~ServersFormView() = default;
  // Checks the view's option.
  virtual void ShowChosenView(ServerView view) = 0;
  // The list has this many rows, each to be read again from the form.
  virtual void ShowRowCount(std::size_t count) = 0;
  virtual void ShowRowChanged(std::size_t index) = 0;
  virtual void SelectRow(std::optional<std::size_t> index) = 0;
  // The selected server's players, a line of Player, Team, Score, Ping each.
  virtual void ShowPlayers(const std::vector<std::vector<std::string>>& lines) = 0;
  // Asks for a server's password; nullopt when the player cancels.
  virtual std::optional<std::string> AskPassword(const std::string& server) = 0;
  // OnRefreshDue is to be called once, after this long; replaces an earlier request.
  virtual void ScheduleRefresh(int afterMs) = 0;
  virtual void CancelRefresh() = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;
};

struct ServersFormServices {
  LauncherSettings& settings;
  // Made when the window first opens: only then is the network's library loaded.
  std::function<std::unique_ptr<ServerQueries>(ServerQueryListener&)> makeQueries;
  // Serves the link as a click on it would.
  std::function<void(const std::string& link)> serveLink;
};

class ServersForm : public ServerQueryListener {
 public:
  static constexpr int kRefreshEveryMs = 60000;

  ServersForm(ServersFormServices services, ServersFormView& view);

  // Opens on Favourites when there are any, else on Recent.
  void Show();
  // Esc, or the close box: asks nothing more until shown again.
  void OnCloseRequested();
  // Minimised and restored: a view not seen is not asked; coming back asks again.
  void OnMinimized();
  void OnRestored();
  // The player came back to the window: another launcher may have joined a server meanwhile.
  void OnActivated();

  void ChooseView(ServerView view);
  void OnRowSelected(std::optional<std::size_t> index);
  // A header click: by that column, a second click on it the other way round.
  void OnColumnClicked(ServerColumn column);
  void OnAddFavourite();
  void OnRemoveFavourite();
  void OnJoin();
  void OnRefresh();
  void OnRefreshDue();

  void OnServerReport(const ServerReport& report) override;
  void OnMasterList(const std::vector<ServerAddress>& servers) override;

  ServerView View() const { return view_; }
  std::size_t RowCount() const { return rows_.size(); }
  const ServerRow& Row(std::size_t index) const { return rows_[index]; }
  std::optional<std::size_t> SelectedRow() const;
  bool IsVisible() const { return visible_; }

 private:
  std::vector<ServerAddress> StoredList(const char* key) const;
  void ShowList(const std::vector<ServerAddress>& servers);
  void AskViewAgain();
  void Ask(const std::vector<ServerAddress>& servers);
  void ShowOrderAndSelection();
  void ShowSelectedPlayers();

  ServersFormServices services_;
  ServersFormView& window_;
  std::unique_ptr<ServerQueries> queries_;
  ServerView view_ = ServerView::Recent;
  std::vector<ServerRow> rows_;
  std::vector<ServerAddress> shownList_;  // what the view's stored list held when shown
  std::optional<ServerAddress> selected_;
  std::optional<ServerColumn> sortColumn_;
  bool descending_ = false;
  bool visible_ = false;
  bool minimized_ = false;
  // The names servers gave in this run, so a row that does not answer keeps its name.
  std::map<std::string, std::string> knownNames_;  // by AddressText
};

}  // namespace cindermoor
