// Results of the conversion engine: what went wrong first (if anything) and
// how far it got. Conversions never stop at a problem (they write the
// substitute and go on), so `count` is always the full output length there.
#pragma once

#include <cstddef>

namespace nuvel {

enum class error_code {
  success,           // every byte formed a character that code page 932 has
  invalid_sequence,  // a byte that cannot start or continue a character here
  truncated,         // the input ended inside a multi-byte sequence
  unmapped,          // a well-formed character that code page 932 lacks
  bad_escape,        // an ISO-2022-JP escape sequence this engine does not know
};

struct result {
  error_code error = error_code::success;  // the first problem met
  std::size_t count = 0;  // conversions: bytes written; validation: bytes
                          // read before the first problem (all when none)
};

// A short English name of `e` for logs and test messages.
[[nodiscard]] const char* to_string(error_code e) noexcept;

}  // namespace nuvel
