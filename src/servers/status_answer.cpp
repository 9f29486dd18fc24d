// The players query's answer, read as the game writes it (see kStatusQuery). Every length is
// checked against the packet before it is followed, and an answer that says more than it holds
// is refused whole: a row shows what a server said, or that it answered badly.
#include <algorithm>
#include <charconv>
#include <cstddef>

#include "servers/server_status.h"
#include "servers/server_text.h"

namespace cindermoor {
namespace {

constexpr std::uint8_t kAnswerStart[] = {0x63, 0x2A, 0x2A, 0x62};
// Larger than any server's real answer; the socket reads one byte more, so a longer one is seen.
constexpr std::size_t kMaxAnswerBytes = 8192;
constexpr std::uint8_t kErrorTeamCount = 255;
constexpr std::uint8_t kNoTeam = 255;
// Where the numbers start in a team's and a player's score text.
constexpr std::size_t kTeamScoreAt = 3;
constexpr std::size_t kPlayerScoreAt = 8;

class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  bool AtEnd() const { return at_ == bytes_.size(); }
  bool Failed() const { return failed_; }
  std::uint8_t Byte() {
    if (at_ >= bytes_.size()) {
      failed_ = true;
      return 0;
    }
    return bytes_[at_++];
  }
  int Word() { return Byte() | (Byte() << 8); }
  // The raw bytes of a length-prefixed string.
  std::string_view Bytes() {
    const std::size_t length = Byte();
    if (failed_ || length > bytes_.size() - at_) {
      failed_ = true;
      return {};
    }
    const auto* start = reinterpret_cast<const char*>(bytes_.data() + at_);
    at_ += length;
    return {start, length};
  }
  std::string Text() { return ServerText(Bytes()); }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
  bool failed_ = false;
};

// The number at `from` in a score text, up to a tab or whatever is no digit; 0 when none.
int ScoreIn(std::string_view text, std::size_t from) {
  if (from >= text.size()) return 0;
  text = text.substr(from, text.find('\t', from) - from);
  int score = 0;
  std::from_chars(text.data(), text.data() + text.size(), score);
  return score;
}

bool ReadTeams(Reader& reader, ServerStatus& status) {
  const std::uint8_t count = reader.Byte();
  if (count == kErrorTeamCount) return false;
  reader.Bytes();  // the team table's column titles
  reader.Bytes();  // the player table's
  if (count == 1) {
    TeamStatus team{reader.Text()};
    team.score = reader.Byte();
    status.teams.push_back(std::move(team));
  } else {
    for (int i = 0; i < count && !reader.Failed(); ++i) {
      TeamStatus team{reader.Text()};
      team.score = ScoreIn(reader.Bytes(), kTeamScoreAt);
      status.teams.push_back(std::move(team));
    }
  }
  return !reader.Failed();
}

bool ReadPlayer(Reader& reader, ServerStatus& status) {
  PlayerStatus player;
  player.pingMs = reader.Byte() * 4;
  player.loss = reader.Byte();
  const std::uint8_t team = reader.Byte();
  player.name = reader.Text();
  player.score = ScoreIn(reader.Bytes(), kPlayerScoreAt);
  if (reader.Failed()) return false;
  if (team != kNoTeam) {
    if (team >= status.teams.size()) return false;
    player.team = status.teams[team].name;
  }
  status.playerList.push_back(std::move(player));
  return true;
}

}  // namespace

std::optional<ServerStatus> ParseStatusAnswer(std::span<const std::uint8_t> packet) {
  if (packet.size() > kMaxAnswerBytes || packet.size() < sizeof kAnswerStart ||
      !std::equal(std::begin(kAnswerStart), std::end(kAnswerStart), packet.begin())) {
    return std::nullopt;
  }
  Reader reader(packet.subspan(sizeof kAnswerStart));
  ServerStatus status;
  status.gameName = reader.Text();
  status.version = reader.Text();
  status.name = reader.Text();
  status.dedicated = reader.Byte() != 0;
  status.needsPassword = reader.Byte() != 0;
  status.players = reader.Byte();
  status.maxPlayers = reader.Byte();
  status.cpuSpeed = reader.Word();
  status.mod = reader.Text();
  status.gameType = reader.Text();
  status.map = reader.Text();
  status.description = reader.Text();
  if (reader.Failed() || status.players > status.maxPlayers || !ReadTeams(reader, status)) {
    return std::nullopt;
  }
  while (!reader.AtEnd()) {
    if (!ReadPlayer(reader, status)) return std::nullopt;
  }
  // A server that claims players it does not list, or lists more than it claims, lies.
  if (status.playerList.size() != static_cast<std::size_t>(status.players)) return std::nullopt;
  return status;
}

}  // namespace cindermoor
