// Replies of an FTP control connection: the reply code of a text, and a
// reader that collects received bytes into whole replies. A multi-line reply
// ("230-..." lines) ends at the line that begins with the same three digits
// and a blank; bytes after a reply's last line wait for the next reply.
#pragma once

#include <cstddef>
#include <string_view>

#include "transfer/core/job_params.h"

namespace qv {

// The reply code of the first three bytes of `text`, read as a decimal
// number: leading white space skipped, an optional sign, then digits up to
// the first non-digit. No digit gives 0 ("230-" gives 230, "abc" gives 0).
int reply_code(std::string_view text);

// Collects a control connection's bytes into whole replies. The caller
// receives into input_space() (at most input_room() bytes), reports the count
// with input_added(), then calls poll(). The reader allocates nothing: it
// keeps the first kReplyKeep bytes of the reply in hand and reads the rest of
// a longer reply through, so an overlong reply neither overflows nor swallows
// the reply after it.
class FtpReplyReader {
 public:
  static constexpr std::size_t kInputSize = BLOCK_SIZE;
  static constexpr std::size_t kReplyKeep = BLOCK_SIZE;

  // Free room for the next receive; never 0 after poll() returned false.
  char* input_space() { return input_ + input_end_; }
  std::size_t input_room() const { return kInputSize - input_end_; }
  void input_added(std::size_t count) { input_end_ += count; }

  // Scans the buffered bytes. True when a whole reply is in hand: its code()
  // and text() stay valid until the next poll(), which starts the next reply
  // with the bytes that followed it. False when more bytes are needed.
  bool poll();

  // Code of the reply in hand (whole or partial), read from its first bytes;
  // 0 before any byte of it has arrived.
  int code() const { return reply_code(text()); }
  // The kept bytes of the reply in hand, line ends included.
  std::string_view text() const { return {reply_, reply_size_}; }
  // True when the reply in hand was longer than what is kept of it.
  bool truncated() const { return dropped_ > 0; }
  // True when at least one whole line of the reply in hand has arrived.
  bool has_line() const { return lines_ > 0; }
  // True when any byte of the reply in hand has arrived.
  bool has_bytes() const { return reply_size_ > 0 || dropped_ > 0; }

  // Ends the line in hand as if its line end had come (a server that never
  // ends its greeting line); true when that completes the reply.
  bool end_partial_line();

 private:
  void start_next_reply();
  void take_byte(char byte);
  bool end_line();  // true when the line just ended is the reply's last
  bool ends_reply_at_line_end();

  char input_[kInputSize];
  std::size_t input_begin_ = 0;  // first byte not yet scanned
  std::size_t input_end_ = 0;
  char reply_[kReplyKeep];
  std::size_t reply_size_ = 0;
  std::size_t dropped_ = 0;
  std::size_t lines_ = 0;
  bool complete_ = false;
  char first_digits_[3] = {};    // code digits of a multi-line reply
  bool multi_line_ = false;
  char line_head_[4] = {};       // first four bytes of the current line
  std::size_t line_size_ = 0;
};

}  // namespace qv
