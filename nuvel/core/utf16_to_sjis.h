// UTF-16 to code page 932 through the generated Unicode table. The byte
// order comes from the caller (detection reads the byte-order mark); a
// byte-order mark at the start is skipped.
#pragma once

#include <cstddef>

#include "nuvel/core/error.h"

namespace nuvel {

// Writes at most 2 * n bytes to out; result.count is the bytes written. A
// surrogate pair (above U+FFFF, never in code page 932), a lone surrogate
// and a final odd byte each become one substitute.
[[nodiscard]] result convert_utf16_to_sjis(const char* in, std::size_t n, bool big_endian, char* out) noexcept;

}  // namespace nuvel
