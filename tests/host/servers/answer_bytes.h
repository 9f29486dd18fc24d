// Game servers' and masters' answers built byte by byte, as the tests' servers send them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cindermoor {

using Bytes = std::vector<std::uint8_t>;

inline Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// One length byte and the text's bytes.
inline Bytes Str(const std::string& text) {
  Bytes bytes{static_cast<std::uint8_t>(text.size())};
  return bytes + Bytes(text.begin(), text.end());
}

struct AnswerPlayer {
  std::uint8_t pingBy4, loss, team;
  std::string name;
  int score;
};

// A full answer with two teams; `claimed` players are said to be on, `players` are listed.
inline Bytes StatusAnswer(const std::vector<AnswerPlayer>& players, int claimed,
                          const std::string& name = "Alpha") {
  Bytes bytes = Bytes{0x63, 0x2A, 0x2A, 0x62} + Str("Tribes") + Str("1.11") + Str(name) +
                Bytes{1, 1, static_cast<std::uint8_t>(claimed), 32, 0xE8, 0x03} + Str("base") +
                Str("CTF") + Str("Raindance") + Str("Good game") + Bytes{2} + Str("T\tS") +
                Str("N\tS") + Str("Blood Eagle") + Str("   12") + Str("Diamond Sword") +
                Str("   -4");
  for (const AnswerPlayer& p : players) {
    bytes = bytes + Bytes{p.pingBy4, p.loss, p.team} + Str(p.name) +
            Str("        " + std::to_string(p.score) + "\t9");
  }
  return bytes;
}

inline Bytes TwoPlayerAnswer() {
  return StatusAnswer({{30, 1, 0, "Kim", 7}, {15, 0, 255, "Lee", -3}}, 2);
}

struct Entry {
  std::uint8_t a, b, c, d;
  std::uint16_t port;
};

inline Bytes MasterPacketBytes(std::uint8_t number, std::uint8_t count,
                               const std::vector<Entry>& entries) {
  Bytes bytes{0x10, 0x06, number, count, 0, 0, 2, 0};
  bytes = number == 1 ? bytes + Str("Master") + Str("Hello") + Bytes{0, 0} : bytes + Bytes{0, 0};
  for (const Entry& e : entries) {
    bytes = bytes + Bytes{6,
                          e.a,
                          e.b,
                          e.c,
                          e.d,
                          static_cast<std::uint8_t>(e.port & 0xFF),
                          static_cast<std::uint8_t>(e.port >> 8)};
  }
  return bytes;
}

}  // namespace cindermoor
