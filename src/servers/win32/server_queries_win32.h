// The Winsock side of ServerQueries.
#pragma once

#include <memory>

#include "servers/server_queries.h"

namespace cindermoor {

// Loads ws2_32 (the first call of the run does) and opens the socket. The listener hears of
// the Asking rows inside AskServers and of everything after from the calling thread's message
// loop; it must outlive the result, and not destroy it from inside one of its own calls.
// Without Winsock nothing is sent and every server shows as not answering; throws FatalError
// only when its window cannot be made.
std::unique_ptr<ServerQueries> MakeServerQueries(ServerQueryListener& listener);

}  // namespace cindermoor
