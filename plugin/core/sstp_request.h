// The SSTP request that carries a script to the host shell.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vesk {

// "SEND SSTP/1.5", "Sender: ピルトナ", "Script: " + script, "HWnd: " +
// own_window in decimal, "Charset: Shift_JIS", each ended by CR LF. CR LF
// pairs inside the script become further request lines.
std::u16string build_sstp_request(std::u16string_view script, std::uint64_t own_window);

}  // namespace vesk
