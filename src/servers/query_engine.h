// The query engine without its socket: what is in flight, what to send and when, and which
// datagram answers what. The Winsock side (win32/server_queries_win32.cpp) only moves bytes
// and time in and out, so all of this is tested natively.
#pragma once

#include <cstdint>
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
  // When Due should next be called; nullopt when no query waits for a send or a give-up.
  std::optional<Millis> NextWake() const;

 private:
  enum class Kind { Server, Master };
  struct Query {
    Kind kind = Kind::Server;
    ServerAddress address;
    std::optional<Endpoint> endpoint;  // none until its host name is resolved
    int sent = 0;
    int answers = 0;
    // The next send, or once every retry is sent or an answer came, the end of listening.
    Millis nextSend = 0;
    Millis lastSent = 0;
    QueryState state = QueryState::Asking;
    bool finished = false;
    // Masters: the numbers of the packets taken, and how many the master says there are.
    std::vector<int> packetsSeen;
    int packetCount = 0;
  };
  struct Event {
    std::optional<ServerReport> report;
    std::optional<std::vector<ServerAddress>> masterList;
  };

  void Add(Kind kind, const ServerAddress& address, Millis now);
  void GiveUp(Query& query);
  void TakeServerAnswer(Query& query, std::span<const std::uint8_t> bytes, Millis now);
  void TakeMasterPacket(Query& query, std::span<const std::uint8_t> bytes);
  void FinishMaster();
  void Report(const Query& query, std::optional<ServerStatus> status, int pingMs);
  void EraseFinished();
  void Flush();

  ServerQueryListener& listener_;
  std::vector<Query> queries_;
  std::vector<std::string> toResolve_, resolving_;
  MasterList masterList_;
  std::vector<Event> events_;
  // Changed by every new question, so that what was due for the old one is not told after it.
  int asked_ = 0;
};

}  // namespace cindermoor
