// Control connection of the FTP command job (see ftp_command_control.h).
#include "transfer/win/ftp_command_control.h"

#include <cstring>

#include "transfer/win/ftp_command_waits.h"

namespace qv {
namespace {

constexpr std::uint32_t kNoPause = 0xffffffffu;

}  // namespace

bool ControlConnection::open(const char* server) {
  const hostent* host = gethostbyname(server);
  if (host == nullptr || host->h_addrtype != AF_INET || host->h_addr_list[0] == nullptr) return false;
  Socket socket(::socket(AF_INET, SOCK_STREAM, 0));
  if (!socket.valid()) return false;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(21);
  std::memcpy(&address.sin_addr, host->h_addr_list[0], sizeof address.sin_addr);
  if (connect(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == SOCKET_ERROR) {
    return false;
  }
  socket_ = std::move(socket);
  return true;
}

void ControlConnection::send_line(const CommandText& line) {
  std::size_t sent = 0;
  while (!closed_ && sent < line.size) {
    const int count = send(socket_.get(), line.bytes + sent, static_cast<int>(line.size - sent), 0);
    if (count <= 0) return;
    sent += static_cast<std::size_t>(count);
  }
}

int ControlConnection::read_reply() { return read_within(Deadline::after(kFtpWaitMs), kNoPause); }

int ControlConnection::read_greeting() { return read_within(Deadline::after(kFtpWaitMs), kGreetingPauseMs); }

int ControlConnection::exchange(const CommandText& line) {
  send_line(line);
  return read_reply();
}

int ControlConnection::read_within(Deadline deadline, std::uint32_t pause_after_line_ms) {
  for (;;) {
    if (reader_.poll()) return reader_.code();
    if (closed_) return 0;
    const bool pausing = pause_after_line_ms != kNoPause && reader_.has_bytes();
    const Deadline limit = pausing ? deadline.earlier(Deadline::after(pause_after_line_ms)) : deadline;
    const WaitResult wait = wait_readable(socket_.get(), limit.remaining_ms());
    if (wait == WaitResult::timed_out && pausing) {
      // What arrived decides. A line still waiting for its end counts as
      // ended; whole lines of an unfinished reply leave the reply open, so
      // its rest is read as the next reply.
      reader_.end_partial_line();
      return reader_.code();
    }
    if (wait != WaitResult::ready) return 0;
    const int count = recv(socket_.get(), reader_.input_space(), static_cast<int>(reader_.input_room()), 0);
    if (count <= 0) {
      closed_ = true;
      return 0;
    }
    reader_.input_added(static_cast<std::size_t>(count));
  }
}

bool ControlConnection::local_address(std::array<std::uint8_t, 4>& address) const {
  sockaddr_in local{};
  int size = sizeof local;
  if (getsockname(socket_.get(), reinterpret_cast<sockaddr*>(&local), &size) == SOCKET_ERROR ||
      local.sin_family != AF_INET) {
    return false;
  }
  std::memcpy(address.data(), &local.sin_addr, address.size());
  return true;
}

}  // namespace qv
