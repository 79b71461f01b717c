// Opening the Internet client for a job, with every network wait bounded.
#pragma once

#include "transfer/win/win_handles.h"

namespace qv {

// Checks that a connection can be made (InternetAttemptConnect) and opens a
// synchronous client with the system's proxy settings and the user agent
// `agent`. Returns an empty handle when either step fails.
InternetHandle open_internet_client(const char* agent);

// Sets the connect, send and receive timeouts of `handle` (and of the data
// transfers below it) to the library's bound, so that a peer that stops
// answering ends the job instead of holding it for ever.
void bound_network_waits(HINTERNET handle);

}  // namespace qv
