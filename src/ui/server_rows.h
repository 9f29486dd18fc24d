// The rows of the servers window's list: what each server said when last asked, the texts of
// its columns, and their order when a column is chosen.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "servers/server_address.h"
#include "servers/server_status.h"

namespace cindermoor {

// The list's columns, in their order on screen.
enum class ServerColumn { Server, Map, Players, Ping, Address };
inline constexpr ServerColumn kServerColumns[] = {ServerColumn::Server, ServerColumn::Map,
                                                  ServerColumn::Players, ServerColumn::Ping,
                                                  ServerColumn::Address};

struct ServerRow {
  ServerAddress address;
  // Its answer to the latest asking; none while it never answered or stopped answering. Shared,
  // not copied: rows are moved about as the list is sorted and shown again.
  std::shared_ptr<const ServerStatus> status;
  int pingMs = 0;  // with status
  // The name it gave in an earlier answer of this run, if any.
  std::string lastKnownName;
};

// What the row shows in a column: an answered server's name, map, "3/32" and ping; one that
// has not answered shows its last known name, else its address, and nothing more.
std::string ColumnText(const ServerRow& row, ServerColumn column);

// Orders the rows by a column (names and maps by their letters, players and ping by number),
// keeping the order they had among equals; rows with nothing in that column come last either
// way.
void SortRows(std::vector<ServerRow>& rows, ServerColumn column, bool descending);

// The players' list of the row's server: columns Player, Team, Score, Ping.
std::vector<std::vector<std::string>> PlayerLines(const ServerRow& row);

}  // namespace cindermoor
