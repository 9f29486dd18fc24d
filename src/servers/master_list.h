// The master servers' lists: their packets, and the rules that make one list of them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "servers/server_address.h"

namespace cindermoor {

// The master query, as sent to a master's port.
inline constexpr std::uint8_t kMasterQuery[] = {0x10, 0x03, 0xFF, 0x00, 0x02};

// One numbered packet of a master's answer (number and count from 1).
struct MasterPacket {
  int number = 0, count = 0;
  // As listed, without those nobody can be asked at (0.0.0.0/8, multicast, broadcast, port 0).
  std::vector<ServerAddress> servers;
};

// Nullopt when it is no master answer, its header runs past its end or an entry is garbled.
// Any number of entries is read; a trailing part-entry is ignored.
std::optional<MasterPacket> ParseMasterPacket(std::span<const std::uint8_t> packet);

// The list every master's packets add to: at most kMaxServers, each address once, and loopback
// only from a master on loopback.
class MasterList {
 public:
  static constexpr std::size_t kMaxServers = 5000;

  void Add(const MasterPacket& packet, bool fromLoopbackMaster);
  const std::vector<ServerAddress>& Servers() const { return servers_; }

 private:
  std::vector<ServerAddress> servers_;
  std::set<std::string> seen_;
};

}  // namespace cindermoor
