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
// client handle's values on to the handles made from it. Wine 8 keeps only
// the connect timeout of a client handle, starts the sessions that
// InternetOpenUrlA makes with no send or receive timeout, and applies a
// request handle's values only to connections opened after they were set:
// under Wine a peer that stalls mid-body holds the job until it closes the
// connection (observed with a 3 s bound: no end after 100 s).
void bound_network_waits(HINTERNET handle);

}  // namespace qv
