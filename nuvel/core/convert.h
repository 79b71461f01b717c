// The engine's front door: convert any supported encoding (or a detected
// one) to code page 932, and size the output for it.
#pragma once

#include <cstddef>

#include "nuvel/core/encoding.h"
#include "nuvel/core/error.h"

namespace nuvel {

// Output bytes per input byte, at most, for every conversion.
inline constexpr std::size_t kMaxOutputPerInputByte = 2;

// A buffer of this many bytes holds the conversion of any n input bytes.
[[nodiscard]] constexpr std::size_t sjis_length_upper_bound(std::size_t n) noexcept {
  return n * kMaxOutputPerInputByte;
}

// Converts in[0..n) from `from` to code page 932 into out, which holds at
// least sjis_length_upper_bound(n) bytes. `ascii` input is copied as is.
// result.count is the number of bytes written.
[[nodiscard]] result convert_to_sjis(encoding from, const char* in, std::size_t n, char* out) noexcept;

// detect_encoding() then convert_to_sjis().
[[nodiscard]] result convert_detected_to_sjis(const char* in, std::size_t n, char* out) noexcept;

}  // namespace nuvel
