// Wraps a script into the SSTP request text.
#include "plugin/core/sstp_request.h"

#include <string>

namespace vesk {

std::u16string build_sstp_request(std::u16string_view script, std::uint64_t own_window) {
  std::u16string handle;
  for (char c : std::to_string(own_window)) handle.push_back(static_cast<char16_t>(c));
  std::u16string request = u"SEND SSTP/1.5\r\nSender: ピルトナ\r\nScript: ";
  request.append(script);
  request += u"\r\nHWnd: " + handle + u"\r\nCharset: Shift_JIS\r\n";
  return request;
}

}  // namespace vesk
