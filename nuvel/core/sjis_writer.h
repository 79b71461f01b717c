// The one way the converters write Shift_JIS bytes. The caller sized the
// output with sjis_length_upper_bound(), so writes are unchecked; every
// converter writes at most two bytes per input byte it consumes.
#pragma once

#include <cstdint>

namespace nuvel {

inline constexpr unsigned char kSubstituteLead = 0x81;   // U+3013 GETA MARK
inline constexpr unsigned char kSubstituteTrail = 0xAC;

struct sjis_writer {
  unsigned char* out;

  void byte(unsigned b) noexcept { *out++ = static_cast<unsigned char>(b); }
  void pair(unsigned code) noexcept {
    out[0] = static_cast<unsigned char>(code >> 8);
    out[1] = static_cast<unsigned char>(code);
    out += 2;
  }
  // A table code: below 0x100 one byte, else a lead/trail pair.
  void code(unsigned c) noexcept {
    if (c < 0x100) byte(c); else pair(c);
  }
  void substitute() noexcept { out[0] = kSubstituteLead; out[1] = kSubstituteTrail; out += 2; }
};

}  // namespace nuvel
