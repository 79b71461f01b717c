// EUC-JP to code page 932: JIS X 0208 by row/cell arithmetic, half-width
// katakana (0x8E xx) to single bytes, JIS X 0212 (0x8F xx xx) through the
// generated table where code page 932 has the character.
#pragma once

#include <cstddef>

#include "nuvel/core/error.h"

namespace nuvel {

// Writes at most 2 * n bytes to out; result.count is the bytes written.
[[nodiscard]] result convert_eucjp_to_sjis(const char* in, std::size_t n, char* out) noexcept;

// The first problem in in[0..n) and its offset; {success, n} when none.
[[nodiscard]] result validate_eucjp(const char* in, std::size_t n) noexcept;

}  // namespace nuvel
