// The listing of the FTP command job: the listen socket on a data port of
// 1025..1279, the accept of the server's data connection and the receive
// loop that writes the listing into the file, each wait bounded and a stop
// request honoured between blocks.
#pragma once

#include <atomic>
#include <cstdint>
#include <cstdio>

#include "transfer/win/socket_handle.h"

namespace qv {

struct DataListener {
  Socket socket;           // invalid when no port of the range could be used
  std::uint16_t port = 0;  // the port listened on (the drawn one when none)
};

// Listens (backlog 1, any local address) on `first_port` or, when that port
// is taken, on the next free port of the range in turn.
DataListener open_data_listener(std::uint16_t first_port);

// Accepts the server's data connection within the job's wait; an invalid
// socket when none came.
Socket accept_data_connection(const Socket& listener);

enum class ListingEnd {
  finished,   // the server closed the data connection
  stopped,    // a stop was requested; the block in hand was not written
  failed,     // a read or a write failed
  timed_out,  // no data within the job's wait
};

// Reads `data` in blocks of at most `size` bytes into `buffer` and writes
// each block to `file` as soon as it has been read, until one of the ends.
ListingEnd receive_listing(const Socket& data, std::FILE* file, char* buffer, std::size_t size,
                           const std::atomic<std::int32_t>& job_state);

}  // namespace qv
