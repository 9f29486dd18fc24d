// ServerQueries without a network: records what was asked and lets a test deliver what the
// servers and masters would have said, as the socket would, to the listener.
#pragma once

#include <vector>

#include "servers/server_queries.h"

namespace cindermoor {

class MemoryServerQueries : public ServerQueries {
 public:
  explicit MemoryServerQueries(ServerQueryListener& listener) : listener_(listener) {}

  void AskServers(const std::vector<ServerAddress>& servers) override {
    askedServers.push_back(servers);
  }
  void AskMasters(const std::vector<ServerAddress>& masters) override {
    askedMasters.push_back(masters);
  }
  void StopAsking() override { ++stops; }

  void Deliver(const ServerReport& report) { listener_.OnServerReport(report); }
  void DeliverMasterList(const std::vector<ServerAddress>& servers) {
    listener_.OnMasterList(servers);
  }

  // Each call's list, in order.
  std::vector<std::vector<ServerAddress>> askedServers, askedMasters;
  int stops = 0;

 private:
  ServerQueryListener& listener_;
};

}  // namespace cindermoor
