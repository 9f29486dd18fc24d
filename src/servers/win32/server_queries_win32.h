// The Winsock side of ServerQueries.
#pragma once

#include <memory>

#include "servers/server_queries.h"

namespace cindermoor {

// Loads ws2_32 (on the first call of the run) and opens the socket; the listener is told from
// the calling thread's message loop and must outlive the result. Throws FatalError when
// Winsock cannot be had.
std::unique_ptr<ServerQueries> MakeServerQueries(ServerQueryListener& listener);

}  // namespace cindermoor
