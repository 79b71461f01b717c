// Wraps a script into the SSTP request text.
#include "plugin/core/sstp_request.h"

#include "plugin/core/host_contract.h"
#include "plugin/core/text_funcs.h"

namespace vesk {

std::u16string build_sstp_request(std::u16string_view script, std::uint64_t own_window) {
  std::u16string request = u"SEND SSTP/1.5\r\nSender: ";
  request += kSenderName;
  request += u"\r\nScript: ";
  request.append(script);
  request += u"\r\nHWnd: " + decimal(own_window) + u"\r\nCharset: Shift_JIS\r\n";
  return request;
}

}  // namespace vesk
