// Reply code reading and the whole-reply reader of the FTP control
// connection (see ftp_reply.h).
#include "transfer/core/ftp_reply.h"

#include <cstring>

namespace qv {
namespace {

bool is_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

int reply_code(std::string_view text) {
  text = text.substr(0, 3);
  std::size_t i = 0;
  while (i < text.size() && is_space(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int value = 0;
  while (i < text.size() && is_digit(text[i])) value = value * 10 + (text[i++] - '0');
  return negative ? -value : value;
}

bool FtpReplyReader::poll() {
  if (complete_) start_next_reply();
  while (input_begin_ < input_end_) {
    const char byte = input_[input_begin_++];
    take_byte(byte);
    if (byte == '\n' && ends_reply_at_line_end()) return true;
  }
  input_begin_ = input_end_ = 0;  // everything scanned: the whole input is free again
  return false;
}

bool FtpReplyReader::end_partial_line() {
  if (complete_ || line_size_ == 0) return complete_;
  return ends_reply_at_line_end();
}

bool FtpReplyReader::ends_reply_at_line_end() {
  complete_ = end_line();
  return complete_;
}

void FtpReplyReader::start_next_reply() {
  const std::size_t rest = input_end_ - input_begin_;
  std::memmove(input_, input_ + input_begin_, rest);
  input_begin_ = 0;
  input_end_ = rest;
  reply_size_ = dropped_ = lines_ = line_size_ = 0;
  complete_ = multi_line_ = false;
}

void FtpReplyReader::take_byte(char byte) {
  if (reply_size_ < kReplyKeep) {
    reply_[reply_size_++] = byte;
  } else {
    ++dropped_;
  }
  if (line_size_ < sizeof line_head_) line_head_[line_size_] = byte;
  ++line_size_;
}

// A line "NNN text" (or a bare "NNN") is the last line of its reply; "NNN-"
// opens a multi-line reply that only a line with the same digits and a blank
// ends. A first line that is no reply line at all ends its reply at once, so
// a talking-nonsense server costs one reply, not a wait. `line_size_` counts
// the line end when there is one; a line ended early has none.
bool FtpReplyReader::end_line() {
  const std::size_t size = line_size_;
  line_size_ = 0;
  const bool empty = (size == 1 && line_head_[0] == '\n') ||
                     (size == 2 && line_head_[0] == '\r' && line_head_[1] == '\n');
  if (empty && lines_ == 0) {
    // A bare line end before a reply (a late end of the previous line) is
    // no reply of its own.
    reply_size_ = dropped_ = 0;
    return false;
  }
  ++lines_;
  const bool digits = size >= 3 && is_digit(line_head_[0]) && is_digit(line_head_[1]) && is_digit(line_head_[2]);
  const char fourth = size >= 4 ? line_head_[3] : '\n';
  const bool closing = fourth == ' ' || fourth == '\r' || fourth == '\n';
  if (!multi_line_) {
    if (digits && fourth == '-') {
      multi_line_ = true;
      std::memcpy(first_digits_, line_head_, 3);
      return false;
    }
    return true;
  }
  return digits && closing && std::memcmp(first_digits_, line_head_, 3) == 0;
}

}  // namespace qv
