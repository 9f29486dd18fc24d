#include "ui/servers_form.h"

#include <algorithm>
#include <utility>

#include "common/settings_table.h"
#include "servers/server_lists.h"
#include "state/launcher_settings.h"

namespace cindermoor {
namespace {

const char* KeyOf(ServerView view) {
  return view == ServerView::Favourites ? setting::kFavouriteServers : setting::kRecentServers;
}

}  // namespace

ServersForm::ServersForm(ServersFormServices services, ServersFormView& view)
    : services_(std::move(services)), window_(view) {}

// Read from the store each time: another launcher records the servers its links joined.
std::vector<ServerAddress> ServersForm::StoredList(const char* key) const {
  return ParseServerList(services_.settings.ReadAgain(key), kMaxStoredServers);
}

// Opened again while open, it only comes to the front.
void ServersForm::Show() {
  if (visible_) {
    window_.Show();
    return;
  }
  if (!queries_) queries_ = services_.makeQueries(*this);
  minimized_ = false;
  window_.Show();
  visible_ = true;
  ChooseView(StoredList(setting::kFavouriteServers).empty() ? ServerView::Recent
                                                            : ServerView::Favourites);
}

void ServersForm::OnCloseRequested() {
  visible_ = false;
  queries_->StopAsking();
  window_.CancelRefresh();
  window_.Hide();
}

void ServersForm::OnMinimized() {
  minimized_ = true;
  window_.CancelRefresh();
}

void ServersForm::OnRestored() {
  if (!std::exchange(minimized_, false) || !visible_) return;
  AskViewAgain();
}

// Only a list that changed is shown and asked afresh; the rows of the others stay as they are.
void ServersForm::OnActivated() {
  if (!visible_ || view_ == ServerView::All) return;
  const std::vector<ServerAddress> stored = StoredList(KeyOf(view_));
  if (stored == shownList_) return;
  ShowList(stored);
  Ask(stored);
}

// Each view starts in its own order: Recent newest first, Favourites as added, All as the
// masters list them.
void ServersForm::ChooseView(ServerView view) {
  view_ = view;
  sortColumn_.reset();
  descending_ = false;
  window_.ShowChosenView(view);
  queries_->StopAsking();
  ShowList(view == ServerView::All ? std::vector<ServerAddress>() : StoredList(KeyOf(view)));
  AskViewAgain();
}

// The rows of servers that stay in the list keep what they said; new ones start unanswered.
void ServersForm::ShowList(const std::vector<ServerAddress>& servers) {
  shownList_ = servers;
  std::vector<ServerRow> rows;
  for (const ServerAddress& address : servers) {
    const auto kept = std::find_if(rows_.begin(), rows_.end(),
                                   [&](const ServerRow& row) { return row.address == address; });
    if (kept != rows_.end()) {
      rows.push_back(std::move(*kept));
      continue;
    }
    const auto name = knownNames_.find(AddressText(address));
    rows.push_back({address, nullptr, 0, name == knownNames_.end() ? "" : name->second});
  }
  rows_ = std::move(rows);
  if (sortColumn_) SortRows(rows_, *sortColumn_, descending_);
  window_.ShowRowCount(rows_.size());
  if (selected_ && !SelectedRow()) selected_.reset();
  if (!selected_ && !rows_.empty()) selected_ = rows_.front().address;
  window_.SelectRow(SelectedRow());
  ShowSelectedPlayers();
}

// All servers asks the masters first; their list then asks its servers.
void ServersForm::AskViewAgain() {
  if (view_ == ServerView::All) {
    queries_->AskMasters(ParseMasters(services_.settings.Read(setting::kMasterServers)));
    window_.ScheduleRefresh(kRefreshEveryMs);
    return;
  }
  Ask(shownList_);
}

void ServersForm::Ask(const std::vector<ServerAddress>& servers) {
  if (!servers.empty()) queries_->AskServers(servers);
  window_.ScheduleRefresh(kRefreshEveryMs);
}

void ServersForm::OnRefresh() {
  if (view_ != ServerView::All) ShowList(StoredList(KeyOf(view_)));
  AskViewAgain();
}

// The schedule is the window's; a view out of sight waits until it is seen again.
void ServersForm::OnRefreshDue() {
  if (visible_ && !minimized_) OnRefresh();
}

std::optional<std::size_t> ServersForm::SelectedRow() const {
  if (!selected_) return std::nullopt;
  const auto found = std::find_if(rows_.begin(), rows_.end(),
                                  [&](const ServerRow& row) { return row.address == *selected_; });
  if (found == rows_.end()) return std::nullopt;
  return static_cast<std::size_t>(found - rows_.begin());
}

void ServersForm::OnRowSelected(std::optional<std::size_t> index) {
  if (index && *index >= rows_.size()) return;
  selected_ = index ? std::optional(rows_[*index].address) : std::nullopt;
  ShowSelectedPlayers();
}

void ServersForm::ShowSelectedPlayers() {
  const auto index = SelectedRow();
  window_.ShowPlayers(index ? PlayerLines(rows_[*index]) : std::vector<std::vector<std::string>>());
}

void ServersForm::OnColumnClicked(ServerColumn column) {
  descending_ = sortColumn_ == column && !descending_;
  sortColumn_ = column;
  ShowOrderAndSelection();
}

void ServersForm::ShowOrderAndSelection() {
  SortRows(rows_, *sortColumn_, descending_);
  window_.ShowRowCount(rows_.size());
  window_.SelectRow(SelectedRow());
}

void ServersForm::OnAddFavourite() {
  const auto index = SelectedRow();
  if (!index) return;
  std::vector<ServerAddress> favourites = StoredList(setting::kFavouriteServers);
  if (std::find(favourites.begin(), favourites.end(), *selected_) != favourites.end()) return;
  if (favourites.size() >= kMaxStoredServers) return;
  favourites.push_back(*selected_);
  services_.settings.Write(setting::kFavouriteServers, FormatServerList(favourites));
  if (view_ == ServerView::Favourites) ShowList(favourites);
}

// In Favourites the row goes, and the one that takes its place is selected.
void ServersForm::OnRemoveFavourite() {
  const auto index = SelectedRow();
  if (!index) return;
  std::vector<ServerAddress> favourites = StoredList(setting::kFavouriteServers);
  const auto found = std::find(favourites.begin(), favourites.end(), *selected_);
  if (found == favourites.end()) return;
  favourites.erase(found);
  services_.settings.Write(setting::kFavouriteServers, FormatServerList(favourites));
  if (view_ != ServerView::Favourites) return;
  selected_.reset();
  if (rows_.size() > 1)
    selected_ = rows_[*index + 1 < rows_.size() ? *index + 1 : *index - 1].address;
  ShowList(favourites);
}

// The link holds the address alone, whatever the server calls itself; a password asked for
// goes into the link and nowhere else.
void ServersForm::OnJoin() {
  const auto index = SelectedRow();
  if (!index) return;
  const ServerRow& row = rows_[*index];
  std::string link = "tribes://" + AddressText(row.address) + "/";
  if (row.status && row.status->needsPassword) {
    const std::optional<std::string> password =
        window_.AskPassword(ColumnText(row, ServerColumn::Server));
    if (!password) return;
    if (!password->empty()) link += "p=" + *password;
  }
  services_.serveLink(link);
}

void ServersForm::OnServerReport(const ServerReport& report) {
  const auto found = std::find_if(rows_.begin(), rows_.end(), [&](const ServerRow& row) {
    return row.address == report.address;
  });
  if (found == rows_.end() || report.state == QueryState::Asking) return;
  ServerRow& row = *found;
  const bool answered = report.state == QueryState::Answered && report.status;
  row.status = answered ? std::make_shared<const ServerStatus>(*report.status) : nullptr;
  row.pingMs = row.status ? report.pingMs : 0;
  if (row.status && !row.status->name.empty()) {
    row.lastKnownName = row.status->name;
    knownNames_[AddressText(row.address)] = row.status->name;
  }
  const bool selected = selected_ == row.address;
  if (sortColumn_) {
    ShowOrderAndSelection();
  } else {
    window_.ShowRowChanged(static_cast<std::size_t>(found - rows_.begin()));
  }
  if (selected) ShowSelectedPlayers();
}

void ServersForm::OnMasterList(const std::vector<ServerAddress>& servers) {
  if (view_ != ServerView::All || !visible_) return;
  ShowList(servers);
  Ask(servers);
}

}  // namespace cindermoor
