#include "servers/server_address.h"

#include <charconv>

#include "link/game_link.h"

namespace cindermoor {

std::string AddressText(const ServerAddress& address) {
  return address.host + ":" + std::to_string(address.port);
}

std::optional<ServerAddress> ParseAddress(std::string_view text, std::uint16_t defaultPort) {
  // The same check a clicked link's address passes, so a joined server's link is served; a
  // slash would end the address early there.
  if (text.find('/') != std::string_view::npos) return std::nullopt;
  const LinkParse link = ParseGameLink("tribes://" + std::string(text) + "/");
  if (!link.link) return std::nullopt;
  const std::string_view written = link.link->serverAddress;
  const std::size_t colon = written.find(':');
  ServerAddress address{std::string(written.substr(0, colon)), defaultPort};
  if (address.host.empty() || address.host.size() > 253) return std::nullopt;
  if (colon != std::string_view::npos) {
    const std::string_view port = written.substr(colon + 1);
    unsigned value = 0;
    const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), value);
    if (error != std::errc() || end != port.data() + port.size() || value == 0 || value > 65535) {
      return std::nullopt;
    }
    address.port = static_cast<std::uint16_t>(value);
  }
  return address;
}

ServerAddress AddressOfIpv4(const std::uint8_t (&bytes)[4], std::uint16_t port) {
  return {std::to_string(bytes[0]) + "." + std::to_string(bytes[1]) + "." +
              std::to_string(bytes[2]) + "." + std::to_string(bytes[3]),
          port};
}

}  // namespace cindermoor
