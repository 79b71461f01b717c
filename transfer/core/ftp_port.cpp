// Data port choice and the PORT line (see ftp_port.h).
#include "transfer/core/ftp_port.h"

#include <charconv>

namespace qv {

std::uint16_t data_port_for_draw(int draw) {
  const int r = draw < 0 ? -(draw % kDataPortCount) : draw % kDataPortCount;
  return static_cast<std::uint16_t>(kDataPortFirst + r);
}

std::uint16_t next_data_port(std::uint16_t port) {
  const int offset = (port - kDataPortFirst + 1) % kDataPortCount;
  return static_cast<std::uint16_t>(kDataPortFirst + (offset < 0 ? offset + kDataPortCount : offset));
}

CommandText port_command(const std::array<std::uint8_t, 4>& address, std::uint16_t port) {
  char text[32];
  char* out = text;
  char* const end = text + sizeof text;
  const unsigned numbers[6] = {address[0], address[1], address[2], address[3],
                               static_cast<unsigned>(port / 256), static_cast<unsigned>(port % 256)};
  for (unsigned i = 0; i < 6; ++i) {
    if (i > 0) *out++ = ',';
    out = std::to_chars(out, end, numbers[i]).ptr;
  }
  return command_line({"PORT ", std::string_view(text, static_cast<std::size_t>(out - text))});
}

}  // namespace qv
