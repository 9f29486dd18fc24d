// What the clients that join by URL build their URLs from: the Server box read as a host and
// port, the Channel box as a path, and each part percent-encoded for its place.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/outcome.h"

namespace cindermoor {

struct VoiceServer {
  std::string host;         // a host name, an IPv4 address, or an IPv6 address in brackets
  std::optional<int> port;  // 1 to 65535; the client's own default when absent
};

// Every byte other than A-Z a-z 0-9 - . _ ~ as %XX with capital hex digits.
std::string PercentEncoded(std::string_view text);

// Reads the Server box: "host" or "host:port", blanks around it ignored. A box that is
// anything else fails with a message saying what it must hold.
Outcome ParseServerBox(std::string_view box, VoiceServer& server);

// The Channel box's "/"-separated path; empty parts (a leading or doubled "/") are dropped.
std::vector<std::string> ChannelPathOf(std::string_view channelBox);

// The path's parts, each percent-encoded, with "/" between them.
std::string EncodedChannelPath(const std::vector<std::string>& path);

}  // namespace cindermoor
