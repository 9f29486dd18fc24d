#include "servers/query_engine.h"

#include <algorithm>
#include <charconv>
#include <set>

namespace cindermoor {
namespace {

constexpr std::uint32_t kLoopbackFirstByte = 127;

std::vector<std::uint8_t> QueryBytes(bool master) {
  if (master) return {std::begin(kMasterQuery), std::end(kMasterQuery)};
  return {std::begin(kStatusQuery), std::end(kStatusQuery)};
}

}  // namespace

std::optional<std::uint32_t> DottedIpv4(const std::string& host) {
  std::uint32_t ip = 0;
  const char* at = host.data();
  const char* const end = host.data() + host.size();
  for (int part = 0; part < 4; ++part) {
    if (part > 0 && (at == end || *at++ != '.')) return std::nullopt;
    unsigned value = 256;
    const auto [next, error] = std::from_chars(at, end, value);
    if (error != std::errc() || value > 255 || next - at > 3) return std::nullopt;
    ip = (ip << 8) | value;
    at = next;
  }
  if (at != end) return std::nullopt;
  return ip;
}

void QueryEngine::AskServers(const std::vector<ServerAddress>& servers, Millis now) {
  ++asked_;
  std::erase_if(queries_, [](const Query& query) { return query.kind == Kind::Server; });
  std::set<std::string> asked;
  for (const ServerAddress& server : servers) {
    if (asked.insert(AddressText(server)).second) Add(Kind::Server, server, now);
  }
  Flush();
}

void QueryEngine::AskMasters(const std::vector<ServerAddress>& masters, Millis now) {
  ++asked_;
  std::erase_if(queries_, [](const Query& query) { return query.kind == Kind::Master; });
  masterList_ = {};
  for (const ServerAddress& master : masters) Add(Kind::Master, master, now);
  if (masters.empty()) events_.push_back({std::nullopt, std::vector<ServerAddress>{}});
  Flush();
}

void QueryEngine::Stop() {
  ++asked_;
  queries_.clear();
  toResolve_.clear();
  events_.clear();
  masterList_ = {};
}

void QueryEngine::Add(Kind kind, const ServerAddress& address, Millis now) {
  Query query;
  query.kind = kind;
  query.address = address;
  query.nextSend = now;
  if (const auto ip = DottedIpv4(address.host)) {
    query.endpoint = Endpoint{*ip, address.port};
  } else if (std::find(toResolve_.begin(), toResolve_.end(), address.host) == toResolve_.end()) {
    toResolve_.push_back(address.host);
  }
  queries_.push_back(std::move(query));
  if (kind == Kind::Server) Report(queries_.back(), std::nullopt, 0);
}

std::vector<std::string> QueryEngine::TakeHostsToResolve() {
  std::vector<std::string> hosts;
  for (const std::string& host : toResolve_) {
    const bool waiting = std::any_of(queries_.begin(), queries_.end(), [&](const Query& query) {
      return !query.endpoint && query.address.host == host;
    });
    if (waiting && std::find(resolving_.begin(), resolving_.end(), host) == resolving_.end()) {
      hosts.push_back(host);
      resolving_.push_back(host);
    }
  }
  toResolve_.clear();
  return hosts;
}

void QueryEngine::Resolved(const std::string& host, std::optional<std::uint32_t> ip, Millis now) {
  std::erase(resolving_, host);
  for (Query& query : queries_) {
    if (query.endpoint || query.address.host != host) continue;
    if (ip) {
      query.endpoint = Endpoint{*ip, query.address.port};
      query.nextSend = now;
    } else {
      GiveUp(query);
    }
  }
  EraseFinished();
  Flush();
}

std::vector<QueryEngine::Datagram> QueryEngine::Due(Millis now) {
  std::vector<Datagram> sends;
  for (Query& query : queries_) {
    if (!query.endpoint || query.nextSend > now) continue;
    if (query.state != QueryState::Asking) {
      query.finished = true;  // its time to send a second answer is over
    } else if (query.sent > kRetries) {
      GiveUp(query);
    } else if (query.kind == Kind::Master && query.packetCount > 0) {
      query.nextSend = now + kRetryAfterMs;  // the rest of its packets may still come
      ++query.sent;
    } else if (sends.size() == kSendsPerStep) {
      query.nextSend = now + kPacingStepMs;
    } else {
      sends.push_back({*query.endpoint, QueryBytes(query.kind == Kind::Master)});
      ++query.sent;
      query.lastSent = now;
      query.nextSend = now + kRetryAfterMs;
    }
  }
  EraseFinished();
  Flush();
  return sends;
}

void QueryEngine::GiveUp(Query& query) {
  query.finished = true;
  if (query.kind == Kind::Master) {
    FinishMaster();
  } else {
    query.state = QueryState::NotAnswering;
    Report(query, std::nullopt, 0);
  }
}

void QueryEngine::OnDatagram(Endpoint from, std::span<const std::uint8_t> bytes, Millis now) {
  const auto query = std::find_if(queries_.begin(), queries_.end(), [&](const Query& query) {
    const bool listening = query.state == QueryState::Asking || now < query.nextSend;
    return query.endpoint == from && query.sent > 0 && !query.finished && listening;
  });
  if (query == queries_.end()) return;
  if (query->kind == Kind::Master) {
    TakeMasterPacket(*query, bytes);
  } else {
    TakeServerAnswer(*query, bytes, now);
  }
  EraseFinished();
  Flush();
}

// Each query sent may bring one answer; a further one means the server sends what it was not
// asked for, and its row says so.
void QueryEngine::TakeServerAnswer(Query& query, std::span<const std::uint8_t> bytes, Millis now) {
  ++query.answers;
  if (query.state == QueryState::Answered && query.answers <= query.sent) return;
  std::optional<ServerStatus> status;
  if (query.state == QueryState::Asking) status = ParseStatusAnswer(bytes);
  query.state = status ? QueryState::Answered : QueryState::BadAnswer;
  // From the last query sent: an answer to an earlier one that comes after a retry looks
  // quicker than it was, which only a server already slow enough to be retried can show.
  const int pingMs = status ? static_cast<int>(now - query.lastSent) : 0;
  Report(query, std::move(status), pingMs);
  // It is listened to for one more retry's time, for a second answer to the same query.
  if (query.state == QueryState::Answered) query.nextSend = now + kRetryAfterMs;
  if (query.state == QueryState::BadAnswer) query.finished = true;
}

void QueryEngine::TakeMasterPacket(Query& query, std::span<const std::uint8_t> bytes) {
  const std::optional<MasterPacket> packet = ParseMasterPacket(bytes);
  if (!packet) return;
  if (query.packetCount != 0 && packet->count != query.packetCount) return;
  query.packetCount = packet->count;
  if (std::find(query.packetsSeen.begin(), query.packetsSeen.end(), packet->number) !=
      query.packetsSeen.end()) {
    return;
  }
  query.packetsSeen.push_back(packet->number);
  masterList_.Add(*packet, (query.endpoint->ip >> 24) == kLoopbackFirstByte);
  if (query.packetsSeen.size() == static_cast<std::size_t>(query.packetCount)) {
    query.finished = true;
    FinishMaster();
  }
}

// The merged list goes out once every master has finished, each with what it sent.
void QueryEngine::FinishMaster() {
  const bool asking = std::any_of(queries_.begin(), queries_.end(), [](const Query& query) {
    return query.kind == Kind::Master && !query.finished;
  });
  if (!asking) events_.push_back({std::nullopt, masterList_.Servers()});
}

std::optional<QueryEngine::Millis> QueryEngine::NextWake() const {
  std::optional<Millis> wake;
  // The end of listening after an answer needs no wake of its own: a later datagram is simply
  // not taken, so a window whose servers have all answered sleeps.
  for (const Query& query : queries_) {
    if (query.endpoint && query.state == QueryState::Asking && (!wake || query.nextSend < *wake)) {
      wake = query.nextSend;
    }
  }
  return wake;
}

void QueryEngine::Report(const Query& query, std::optional<ServerStatus> status, int pingMs) {
  events_.push_back({ServerReport{query.address, query.state, std::move(status), pingMs}, {}});
}

void QueryEngine::EraseFinished() {
  std::erase_if(queries_, [](const Query& query) { return query.finished; });
}

// The listener is told only once the engine's own state is settled, as it may ask again from
// inside its call.
void QueryEngine::Flush() {
  std::vector<Event> events;
  events.swap(events_);
  const int asked = asked_;
  for (Event& event : events) {
    if (asked_ != asked) return;
    if (event.report) listener_.OnServerReport(*event.report);
    if (event.masterList) listener_.OnMasterList(*event.masterList);
  }
}

}  // namespace cindermoor
