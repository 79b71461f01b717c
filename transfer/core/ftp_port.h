// The active-mode data port of the FTP command job and its PORT line. The
// port is drawn from 1025..1279; when it is taken the job tries the next
// ports of the same range in turn, wrapping round at its end.
#pragma once

#include <array>
#include <cstdint>

#include "transfer/core/ftp_command_text.h"

namespace qv {

constexpr std::uint16_t kDataPortFirst = 1025;
constexpr std::uint16_t kDataPortCount = 255;  // 1025..1279

// The data port for a pseudo-random draw r (0..32767): 1025 + r mod 255.
std::uint16_t data_port_for_draw(int draw);

// The port after `port` in the range, 1279 followed by 1025.
std::uint16_t next_data_port(std::uint16_t port);

// "PORT h1,h2,h3,h4,p1,p2" + CR LF for an IPv4 address (bytes in network
// order) and a port: 10.0.0.7 and 1100 give "PORT 10,0,0,7,4,76\r\n".
CommandText port_command(const std::array<std::uint8_t, 4>& address, std::uint16_t port);

}  // namespace qv
