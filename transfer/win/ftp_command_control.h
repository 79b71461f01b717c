// The control connection of the FTP command job: connects to port 21 of the
// server, sends command lines and reads whole replies, every read bounded by
// the job's wait. A reply that does not come in time, or a connection the
// server closed, reads as code 0 (a wrong code for every step).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "transfer/core/ftp_command_text.h"
#include "transfer/core/ftp_reply.h"
#include "transfer/win/socket_handle.h"

namespace qv {

class ControlConnection {
 public:
  // Resolves `server` (gethostbyname) and connects to its first address,
  // port 21. False when the name does not resolve or the connection fails;
  // nothing has been sent then. Needs a started Winsock session.
  bool open(const char* server);

  // Sends `line` whole; a failed send shows as a missing reply.
  void send_line(const CommandText& line);

  // The next whole reply's code, or 0 when none came within the wait.
  int read_reply();

  // The greeting's code. When part of the greeting is in and the rest stays
  // away for a short pause, the part decides: the first lines of a
  // multi-line greeting (its rest is read as the next reply), or a line
  // whose line end never comes.
  int read_greeting();

  // Sends `line`, then reads its reply's code.
  int exchange(const CommandText& line);

  // The kept text of the last reply read.
  std::string_view reply_text() const { return reader_.text(); }

  // The local IPv4 address of the connection (bytes in network order).
  bool local_address(std::array<std::uint8_t, 4>& address) const;

 private:
  int read_within(Deadline deadline, std::uint32_t pause_after_line_ms);

  Socket socket_;
  bool closed_ = false;  // the server closed the connection, or it failed
  FtpReplyReader reader_;
};

}  // namespace qv
