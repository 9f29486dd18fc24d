// The stored lists (Recent, Favourites, the masters): the text of a setting, read tolerantly
// and bounded, and written back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "servers/server_address.h"

namespace cindermoor {

inline constexpr std::uint16_t kGamePort = 28001;
inline constexpr std::uint16_t kMasterPort = 28000;
inline constexpr std::size_t kMaxRecent = 30;
// No stored list holds more, however it was edited.
inline constexpr std::size_t kMaxStoredServers = 200;
// Nor is more of a setting read.
inline constexpr std::size_t kMaxStoredCharacters = 16384;

// Blank-separated "host:port" entries (port 28001 when none); what cannot be read is skipped,
// duplicates are kept once, at most `limit` entries.
std::vector<ServerAddress> ParseServerList(std::string_view text, std::size_t limit);
// One blank between entries.
std::string FormatServerList(const std::vector<ServerAddress>& list);
// `address` first, then the rest without it, at most kMaxRecent.
std::vector<ServerAddress> WithRecent(const std::vector<ServerAddress>& list,
                                      const ServerAddress& address);
// Blank-separated host or host:port (port 28000 when none); empty or unreadable: the
// community's masters (config.h).
std::vector<ServerAddress> ParseMasters(std::string_view text);

}  // namespace cindermoor
