#include "ui/server_rows.h"

#include <algorithm>
#include <cctype>
#include <numeric>
#include <utility>

namespace cindermoor {
namespace {

// What a column is sorted by; a row without it goes last.
struct SortKey {
  bool present = false;
  int number = 0;
  std::string text;
};

std::string Folded(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

SortKey KeyOf(const ServerRow& row, ServerColumn column) {
  const bool answered = row.status != nullptr;
  switch (column) {
    case ServerColumn::Server:
      return {true, 0, Folded(ColumnText(row, column))};
    case ServerColumn::Map:
      return {answered && !row.status->map.empty(), 0, answered ? Folded(row.status->map) : ""};
    case ServerColumn::Players:
      return {answered, answered ? row.status->players : 0, {}};
    case ServerColumn::Ping:
      return {answered, row.pingMs, {}};
    case ServerColumn::Address:
      break;
  }
  return {true, 0, AddressText(row.address)};
}

bool Before(const SortKey& x, const SortKey& y, bool descending) {
  if (x.present != y.present) return x.present;
  if (!x.present) return false;
  const auto order = x.number != y.number ? x.number <=> y.number : x.text <=> y.text;
  return descending ? order > 0 : order < 0;
}

}  // namespace

std::string ColumnText(const ServerRow& row, ServerColumn column) {
  if (column == ServerColumn::Address) return AddressText(row.address);
  if (!row.status) {
    if (column != ServerColumn::Server) return "";
    return row.lastKnownName.empty() ? AddressText(row.address) : row.lastKnownName;
  }
  const ServerStatus& status = *row.status;
  switch (column) {
    case ServerColumn::Server:
      return status.name.empty() ? AddressText(row.address) : status.name;
    case ServerColumn::Map:
      return status.map;
    case ServerColumn::Players:
      return std::to_string(status.players) + "/" + std::to_string(status.maxPlayers);
    case ServerColumn::Ping:
      return std::to_string(row.pingMs);
    case ServerColumn::Address:
      break;
  }
  return "";
}

// Rows carry whole answers: the order is found on their keys, and each row moved once.
void SortRows(std::vector<ServerRow>& rows, ServerColumn column, bool descending) {
  std::vector<SortKey> keys;
  keys.reserve(rows.size());
  for (const ServerRow& row : rows) keys.push_back(KeyOf(row, column));
  std::vector<std::size_t> order(rows.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return Before(keys[a], keys[b], descending);
  });
  std::vector<ServerRow> sorted;
  sorted.reserve(rows.size());
  for (std::size_t index : order) sorted.push_back(std::move(rows[index]));
  rows = std::move(sorted);
}

std::vector<std::vector<std::string>> PlayerLines(const ServerRow& row) {
  std::vector<std::vector<std::string>> lines;
  if (!row.status) return lines;
  for (const PlayerStatus& player : row.status->playerList) {
    lines.push_back(
        {player.name, player.team, std::to_string(player.score), std::to_string(player.pingMs)});
  }
  return lines;
}

}  // namespace cindermoor
