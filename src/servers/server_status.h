// What a game server says of itself in answer to the players query, and what the launcher
// makes of each server it asks.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "servers/server_address.h"

namespace cindermoor {

// Every text below is already UTF-8, read as the game's Windows-1252, control characters
// dropped (ServerText, servers/server_text.h).
struct PlayerStatus {
  std::string name, team;
  int score = 0;
  int pingMs = 0;
  int loss = 0;
  friend bool operator==(const PlayerStatus&, const PlayerStatus&) = default;
};

struct TeamStatus {
  std::string name;
  int score = 0;
  friend bool operator==(const TeamStatus&, const TeamStatus&) = default;
};

struct ServerStatus {
  std::string name, map, gameType;
  int players = 0, maxPlayers = 0;
  bool needsPassword = false;
  std::vector<PlayerStatus> playerList;
  std::string gameName, version, mod, description;
  bool dedicated = false;
  int cpuSpeed = 0;
  std::vector<TeamStatus> teams;
  friend bool operator==(const ServerStatus&, const ServerStatus&) = default;
};

enum class QueryState { Asking, Answered, NotAnswering, BadAnswer };

struct ServerReport {
  ServerAddress address;
  QueryState state = QueryState::Asking;
  // With Answered.
  std::optional<ServerStatus> status;
  // Measured by the launcher, from the last query sent to the answer, with Answered.
  int pingMs = 0;
  friend bool operator==(const ServerReport&, const ServerReport&) = default;
};

// The players query, as sent to the game port.
inline constexpr std::uint8_t kStatusQuery[] = {0x62, 0x2A, 0x2A};

// Nullopt for a bad answer: cut, over-long, with lengths past its end, or claiming more players
// than it lists or can hold. Nothing past the packet is read.
std::optional<ServerStatus> ParseStatusAnswer(std::span<const std::uint8_t> packet);

}  // namespace cindermoor
