// Data connection and listing loop of the FTP command job (see
// ftp_command_listing.h).
#include "transfer/win/ftp_command_listing.h"

#include "transfer/core/ftp_port.h"
#include "transfer/win/ftp_command_waits.h"

namespace qv {
namespace {

constexpr std::int32_t kStopRequested = -1;

bool stop_requested(const std::atomic<std::int32_t>& job_state) { return job_state.load() == kStopRequested; }

}  // namespace

DataListener open_data_listener(std::uint16_t first_port) {
  DataListener listener;
  listener.port = first_port;
  std::uint16_t port = first_port;
  for (int tried = 0; tried < kDataPortCount; ++tried, port = next_data_port(port)) {
    Socket socket(::socket(AF_INET, SOCK_STREAM, 0));
    if (!socket.valid()) return listener;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    address.sin_port = htons(port);
    if (bind(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == SOCKET_ERROR) continue;
    if (listen(socket.get(), 1) == SOCKET_ERROR) continue;
    listener.socket = std::move(socket);
    listener.port = port;
    return listener;
  }
  return listener;
}

Socket accept_data_connection(const Socket& listener) {
  if (wait_readable(listener.get(), kFtpWaitMs) != WaitResult::ready) return Socket();
  return Socket(accept(listener.get(), nullptr, nullptr));
}

ListingEnd receive_listing(const Socket& data, std::FILE* file, char* buffer, std::size_t size,
                           const std::atomic<std::int32_t>& job_state) {
  for (;;) {
    // Wait in short slices so that a stop request ends a slow listing at
    // once instead of after the next block.
    const Deadline deadline = Deadline::after(kFtpWaitMs);
    WaitResult wait = WaitResult::timed_out;
    while (wait == WaitResult::timed_out && deadline.remaining_ms() > 0) {
      if (stop_requested(job_state)) return ListingEnd::stopped;
      const std::uint32_t left = deadline.remaining_ms();
      wait = wait_readable(data.get(), left < kStopLookMs ? left : kStopLookMs);
    }
    if (wait == WaitResult::timed_out) return ListingEnd::timed_out;
    if (wait == WaitResult::failed) return ListingEnd::failed;
    const int count = recv(data.get(), buffer, static_cast<int>(size), 0);
    if (count == 0) return ListingEnd::finished;
    if (count < 0) return ListingEnd::failed;
    if (stop_requested(job_state)) return ListingEnd::stopped;
    if (std::fwrite(buffer, 1, static_cast<std::size_t>(count), file) != static_cast<std::size_t>(count)) {
      return ListingEnd::failed;
    }
  }
}

}  // namespace qv
