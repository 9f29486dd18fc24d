// Asking game servers and masters: the window's side of it.
#pragma once

#include <vector>

#include "servers/server_address.h"
#include "servers/server_status.h"

namespace cindermoor {

class ServerQueryListener {
 public:
  virtual ~ServerQueryListener() = default;
  // Each server's row, the moment it changes (Asking when first asked, then its end).
  virtual void OnServerReport(const ServerReport& report) = 0;
  // The masters' merged list, when every master has answered or stopped answering.
  virtual void OnMasterList(const std::vector<ServerAddress>& servers) = 0;
};

// One socket on the window's thread, driven by its message loop: nothing here waits.
class ServerQueries {
 public:
  virtual ~ServerQueries() = default;
  // Asks every one at once, retries inside; servers asked before and not in this list are
  // forgotten.
  virtual void AskServers(const std::vector<ServerAddress>& servers) = 0;
  virtual void AskMasters(const std::vector<ServerAddress>& masters) = 0;
  // Forgets every query in flight: no report comes for them.
  virtual void StopAsking() = 0;
};

}  // namespace cindermoor
