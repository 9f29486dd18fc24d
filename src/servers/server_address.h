// A game or master server's address as a player, a setting or a master wrote it. Only an
// address a link could carry is one: joining builds a link from it, so it must pass the same
// checks.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cindermoor {

struct ServerAddress {
  // A host name or dotted IPv4, validated as a link's host is.
  std::string host;
  std::uint16_t port = 0;
  friend bool operator==(const ServerAddress&, const ServerAddress&) = default;
};

// "host:port".
std::string AddressText(const ServerAddress& address);

// "host" or "host:port" (port 1-65535); `defaultPort` when none is written. Nullopt for
// anything a link would refuse, an empty host or a bad port.
std::optional<ServerAddress> ParseAddress(std::string_view text, std::uint16_t defaultPort);

// The address of four bytes and a port, as a master lists it ("1.2.3.4").
ServerAddress AddressOfIpv4(const std::uint8_t (&bytes)[4], std::uint16_t port);

}  // namespace cindermoor
