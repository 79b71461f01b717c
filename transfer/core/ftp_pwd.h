// The directory line of the listing file, taken from the PWD reply: the text
// after the reply's first double quote up to the next one, then CR LF, in a
// 100-byte area (so the directory text holds at most 97 bytes).
#pragma once

#include <cstddef>
#include <string_view>

#include "transfer/core/job_params.h"

namespace qv {

struct DirectoryLine {
  static constexpr std::size_t kMaxDirectory = kParamSize - 3;  // CR, LF and the terminator
  char bytes[kParamSize];
  std::size_t size = 0;  // directory text and CR LF, without the terminator
  std::string_view view() const { return {bytes, size}; }
};

// The quoted directory of a PWD reply. It ends at the next double quote (so a
// doubled quote inside a name ends it), at the end of the line or at the end
// of the reply; a reply without a double quote gives the empty text. A longer
// directory is cut to kMaxDirectory bytes.
std::string_view pwd_directory(std::string_view reply);

// The directory of `reply` followed by CR LF, zero-terminated.
DirectoryLine directory_line(std::string_view reply);

}  // namespace qv
