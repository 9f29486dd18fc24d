#include "servers/server_lists.h"

#include <algorithm>

#include "common/config.h"

namespace cindermoor {
namespace {

constexpr std::size_t kMaxMasters = 16;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Every readable address of the text's first kMaxStoredCharacters, each once, at most `limit`.
std::vector<ServerAddress> ReadAddresses(std::string_view text, std::uint16_t defaultPort,
                                         std::size_t limit) {
  text = text.substr(0, kMaxStoredCharacters);
  std::vector<ServerAddress> list;
  std::size_t at = 0;
  while (at < text.size() && list.size() < limit) {
    const auto end = std::find_if(text.begin() + at, text.end(), IsBlank) - text.begin();
    const auto entry = ParseAddress(text.substr(at, end - at), defaultPort);
    if (entry && std::find(list.begin(), list.end(), *entry) == list.end()) list.push_back(*entry);
    at = end + 1;
  }
  return list;
}

}  // namespace

std::vector<ServerAddress> ParseServerList(std::string_view text, std::size_t limit) {
  return ReadAddresses(text, kGamePort, std::min(limit, kMaxStoredServers));
}

std::string FormatServerList(const std::vector<ServerAddress>& list) {
  std::string text;
  for (const ServerAddress& address : list) {
    if (!text.empty()) text += ' ';
    text += AddressText(address);
  }
  return text;
}

std::vector<ServerAddress> WithRecent(const std::vector<ServerAddress>& list,
                                      const ServerAddress& address) {
  std::vector<ServerAddress> recent{address};
  for (const ServerAddress& older : list) {
    if (recent.size() == kMaxRecent) break;
    if (older != address) recent.push_back(older);
  }
  return recent;
}

std::vector<ServerAddress> ParseMasters(std::string_view text) {
  std::vector<ServerAddress> masters = ReadAddresses(text, kMasterPort, kMaxMasters);
  if (masters.empty())
    masters = ReadAddresses(config::kCommunityMasterServers, kMasterPort, kMaxMasters);
  return masters;
}

}  // namespace cindermoor
