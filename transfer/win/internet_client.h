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
// answering ends the job instead of holding it for ever. Windows passes the
// client handle's values on to the handles made from it. Wine 8 does not:
// it takes the send and receive options of a client handle as unimplemented,
// starts the sessions of InternetOpenUrlA without them, and uses a request
// handle's values only for connections opened after they were set. With a
// 3 s bound under Wine, neither a connect to a peer whose backlog is full
// nor a read from a peer that stalls mid-body ended within 100 s; such a job
// ends when the peer closes the connection.
void bound_network_waits(HINTERNET handle);

}  // namespace qv
