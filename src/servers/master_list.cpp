// A master's answer, read as the masters write it (see kMasterQuery): a header, on the first
// packet the master's name and message, then seven bytes per server to the end of the packet,
// however many that makes.
#include "servers/master_list.h"

namespace cindermoor {
namespace {

constexpr std::size_t kNameAt = 8;
constexpr std::size_t kEntryBytes = 7;
constexpr std::uint8_t kEntryMark = 0x06;

// Where the entries start, or 0 when the header runs past the packet.
std::size_t EntriesStart(std::span<const std::uint8_t> packet) {
  if (packet.size() <= kNameAt) return 0;
  const std::size_t nameLength = packet[kNameAt];
  if (nameLength == 0) return kNameAt + 2;
  const std::size_t message = kNameAt + 1 + nameLength;
  if (message >= packet.size()) return 0;
  const std::size_t end = message + 1 + packet[message] + 2;
  return end <= packet.size() ? end : 0;
}

bool Unaskable(const std::uint8_t (&ip)[4], std::uint16_t port) {
  // 0.0.0.0/8, and from 224 up multicast, the reserved block and the broadcast address.
  return port == 0 || ip[0] == 0 || ip[0] >= 224;
}

}  // namespace

std::optional<MasterPacket> ParseMasterPacket(std::span<const std::uint8_t> packet) {
  if (packet.size() < 4 || packet[0] != 0x10 || packet[1] != 0x06) return std::nullopt;
  const std::size_t start = EntriesStart(packet);
  if (start == 0 || start > packet.size() || packet[3] == 0 || packet[2] > packet[3]) {
    return std::nullopt;
  }
  MasterPacket parsed{packet[2], packet[3], {}};
  for (std::size_t at = start; at + kEntryBytes <= packet.size(); at += kEntryBytes) {
    if (packet[at] != kEntryMark) return std::nullopt;
    const std::uint8_t ip[4] = {packet[at + 1], packet[at + 2], packet[at + 3], packet[at + 4]};
    const auto port = static_cast<std::uint16_t>(packet[at + 5] | (packet[at + 6] << 8));
    if (Unaskable(ip, port)) continue;
    parsed.servers.push_back(AddressOfIpv4(ip, port));
  }
  return parsed;
}

void MasterList::Add(const MasterPacket& packet, bool fromLoopbackMaster) {
  for (const ServerAddress& server : packet.servers) {
    if (servers_.size() == kMaxServers) return;
    if (server.host.starts_with("127.") && !fromLoopbackMaster) continue;
    if (seen_.insert(AddressText(server)).second) servers_.push_back(server);
  }
}

}  // namespace cindermoor
