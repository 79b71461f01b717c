// Winsock session, socket handle and bounded waits (see socket_handle.h).
#include "transfer/win/socket_handle.h"

#include <windows.h>

namespace qv {

WinsockSession::WinsockSession() {
  WSADATA data;
  started_ = WSAStartup(MAKEWORD(1, 1), &data) == 0;
}

WinsockSession::~WinsockSession() {
  if (started_) WSACleanup();
}

Socket& Socket::operator=(Socket&& other) noexcept {
  if (this != &other) {
    close();
    handle_ = other.handle_;
    other.handle_ = INVALID_SOCKET;
  }
  return *this;
}

void Socket::close() {
  if (handle_ != INVALID_SOCKET) {
    closesocket(handle_);
    handle_ = INVALID_SOCKET;
  }
}

Deadline Deadline::after(std::uint32_t ms) {
  Deadline deadline;
  deadline.start_ = GetTickCount();
  deadline.length_ms_ = ms;
  return deadline;
}

std::uint32_t Deadline::remaining_ms() const {
  const std::uint32_t elapsed = GetTickCount() - start_;
  return elapsed >= length_ms_ ? 0 : length_ms_ - elapsed;
}

WaitResult wait_readable(SOCKET socket, std::uint32_t ms) {
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(socket, &readable);
  timeval timeout;
  timeout.tv_sec = static_cast<long>(ms / 1000);
  timeout.tv_usec = static_cast<long>((ms % 1000) * 1000);
  const int ready = select(0, &readable, nullptr, nullptr, &timeout);
  if (ready == SOCKET_ERROR) return WaitResult::failed;
  return ready > 0 ? WaitResult::ready : WaitResult::timed_out;
}

}  // namespace qv
