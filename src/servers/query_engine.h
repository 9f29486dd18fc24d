// The query engine without its socket: what is in flight, what to send and when, and which
// datagram answers what. The Winsock side (win32/server_queries_win32.cpp) only moves bytes
// and time in and out, so all of this is tested natively.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "servers/master_list.h"
#include "servers/server_queries.h"

namespace cindermoor {

// An IPv4 address (host byte order) and port: where a datagram goes or came from.
struct Endpoint {
  std::uint32_t ip = 0;
  std::uint16_t port = 0;
  friend auto operator<=>(const Endpoint&, const Endpoint&) = default;
};

// The IPv4 address of a dotted host ("1.2.3.4"), nullopt for a name.
std::optional<std::uint32_t> DottedIpv4(const std::string& host);

class QueryEngine {
 public:
  // Milliseconds on a steady clock.
  using Millis = std::int64_t;
  static constexpr Millis kRetryAfterMs = 500;
  static constexpr int kRetries = 2;
  // Sent at once; the rest go one pacing step later, so the answers of a view come spread
  // over the steps and none is lost while the window is busy.
  static constexpr std::size_t kSendsPerStep = 64;
  static constexpr Millis kPacingStepMs = 10;

  struct Datagram {
    Endpoint to;
    std::vector<std::uint8_t> bytes;
  };

  explicit QueryEngine(ServerQueryListener& listener) : listener_(listener) {}

  void AskServers(const std::vector<ServerAddress>& servers, Millis now);
  void AskMasters(const std::vector<ServerAddress>& masters, Millis now);
  void Stop();

  // Host names waiting to be resolved (each once); the socket side resolves them and tells.
  std::vector<std::string> TakeHostsToResolve();
  void Resolved(const std::string& host, std::optional<std::uint32_t> ip, Millis now);

  // What is due by `now`: first sends and retries (paced), and reports of those that stopped
  // answering.
  std::vector<Datagram> Due(Millis now);
  void OnDatagram(Endpoint from, std::span<const std::uint8_t> bytes, Millis now);
  // When Due should next be called; nullopt when nothing is in flight.
  std::optional<Millis> NextWake() const;

 private:
  enum class Kind { Server, Master };
  struct Query {
    Kind kind = Kind::Server;
    ServerAddress address;
    std::optional<Endpoint> endpoint;
    int sent = 0;
    int answers = 0;
    Millis nextSend = 0;  // also the end, once every retry is sent
    Millis lastSent = 0;
    bool done = false;
    QueryState state = QueryState::Asking;
    // Masters: the packets already taken, by number, and how many there are.
    std::vector<int> packetsSeen;
    int packetCount = 0;
  };

  void Add(Kind kind, const ServerAddress& address, Millis now);
  void Report(const Query& query, std::optional<ServerStatus> status, int pingMs);
  void Expire(Query& query, Millis now);
  void TakeServerAnswer(Query& query, std::span<const std::uint8_t> bytes, Millis now);
  void TakeMasterPacket(Query& query, std::span<const std::uint8_t> bytes);
  void FinishMaster(Query& query);

  ServerQueryListener& listener_;
  std::vector<Query> queries_;
  std::vector<std::string> toResolve_;
  MasterList masterList_;
};

}  // namespace cindermoor
