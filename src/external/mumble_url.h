// The mumble:// URL that makes Mumble join a channel, built from its parts, each encoded for
// its place, and the reading of the Server box it needs.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/outcome.h"

namespace cindermoor {

struct MumbleServer {
  std::string host;         // a host name, an IPv4 address, or an IPv6 address in brackets
  std::optional<int> port;  // 1 to 65535; Mumble's own default when absent
};

// Where Mumble goes and as whom; the texts as the user typed them (UTF-8).
struct MumbleJoin {
  MumbleServer server;
  std::vector<std::string> channelPath;  // the channel, then its sub-channels
  std::string name;                      // "" lets Mumble ask for one
  std::string password;                  // the server's; goes along only with a name
};

// Every byte other than A-Z a-z 0-9 - . _ ~ as %XX with capital hex digits.
std::string PercentEncoded(std::string_view text);

// Reads the Server box: "host" or "host:port", blanks around it ignored. A box that is
// anything else fails with a message saying what it must hold.
Outcome ParseMumbleServer(std::string_view box, MumbleServer& server);

// The Channel box's "/"-separated path; empty parts (a leading or doubled "/") are dropped.
std::vector<std::string> ChannelPathOf(std::string_view channelBox);

// The community's server, in the channel named by the game server's channel digits.
MumbleJoin CommunityMumbleJoin(std::string_view channelDigits, std::string_view name);

// The own-server option from the Server, Channel and Password boxes; fails as
// ParseMumbleServer does.
Outcome OwnServerMumbleJoin(std::string_view serverBox, std::string_view channelBox,
                            std::string_view password, std::string_view name, MumbleJoin& join);

// mumble://[name[:password]@]host[:port]/channel[/sub...]?version=1.2.0
std::string MumbleUrl(const MumbleJoin& join);

// The URL as a message may show it: a password in it stands as "****".
std::string UrlForMessages(std::string_view url);

// Whether a command line of this many characters, made to hand over the URL, reaches the program
// whole; when not, a message saying why and what to do instead.
Outcome CheckCommandLineCarries(std::size_t commandLineLength);

}  // namespace cindermoor
