// Shift_JIS (code page 932) input: valid code page 932 passes through byte
// for byte (the NEC-selected IBM extensions 0xED/0xEE are kept, not folded
// onto their 0xFA-0xFC twins); anything else becomes the substitute.
#pragma once

#include <cstddef>

#include "nuvel/core/error.h"

namespace nuvel {

// Writes at most 2 * n bytes to out; result.count is the bytes written.
[[nodiscard]] result convert_sjis_to_sjis(const char* in, std::size_t n, char* out) noexcept;

// The first problem in in[0..n) and its offset; {success, n} when none.
// Valid: ASCII, half-width katakana 0xA1-0xDF, and assigned double-byte codes
// (the user-defined area 0xF040-0xF9FC included). Single bytes 0x80, 0xA0 and
// 0xFD-0xFF are not characters.
[[nodiscard]] result validate_sjis(const char* in, std::size_t n) noexcept;

}  // namespace nuvel
