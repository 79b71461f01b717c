// Windows Sockets for the FTP command job: the Winsock session (version 1.1,
// started and cleaned up in pairs), a move-only socket handle that closes on
// every path, and bounded waits for a socket to become readable.
#pragma once

#include <winsock2.h>

#include <cstdint>

namespace qv {

// WSAStartup(1.1) on construction, WSACleanup on destruction when it started.
class WinsockSession {
 public:
  WinsockSession();
  ~WinsockSession();
  WinsockSession(const WinsockSession&) = delete;
  WinsockSession& operator=(const WinsockSession&) = delete;
  bool started() const { return started_; }

 private:
  bool started_ = false;
};

// Owns one socket; closes it when destroyed or when close() is called.
class Socket {
 public:
  Socket() = default;
  explicit Socket(SOCKET handle) : handle_(handle) {}
  ~Socket() { close(); }
  Socket(Socket&& other) noexcept : handle_(other.handle_) { other.handle_ = INVALID_SOCKET; }
  Socket& operator=(Socket&& other) noexcept;
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;

  SOCKET get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_SOCKET; }
  void close();

 private:
  SOCKET handle_ = INVALID_SOCKET;
};

// A point in time a wait must not pass, on the system's millisecond tick
// (GetTickCount, which every Windows version has; its wrap after 49 days
// is harmless because only differences of ticks are used).
class Deadline {
 public:
  static Deadline after(std::uint32_t ms);
  // Milliseconds left, 0 once passed.
  std::uint32_t remaining_ms() const;
  // Whichever of the two deadlines comes first.
  Deadline earlier(const Deadline& other) const {
    return remaining_ms() <= other.remaining_ms() ? *this : other;
  }

 private:
  std::uint32_t start_ = 0;
  std::uint32_t length_ms_ = 0;
};

enum class WaitResult { ready, timed_out, failed };

// Waits at most `ms` until `socket` can be read (or accepted from).
WaitResult wait_readable(SOCKET socket, std::uint32_t ms);

}  // namespace qv
