// Names of the engine's error codes.
#include "nuvel/core/error.h"

namespace nuvel {

const char* to_string(error_code e) noexcept {
  switch (e) {
    case error_code::success: return "success";
    case error_code::invalid_sequence: return "invalid sequence";
    case error_code::truncated: return "truncated sequence";
    case error_code::unmapped: return "character not in code page 932";
    case error_code::bad_escape: return "unknown escape sequence";
  }
  return "unknown error";
}

}  // namespace nuvel
