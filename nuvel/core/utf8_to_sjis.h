// UTF-8 to code page 932 through the generated Unicode table, with the
// look-alikes for the JIS forms of Unix and Mac text (U+301C wave dash and
// friends). A byte-order mark at the start is skipped.
#pragma once

#include <cstddef>

#include "nuvel/core/error.h"

namespace nuvel {

// Writes at most 2 * n bytes to out; result.count is the bytes written. Each
// maximal ill-formed subsequence and each character code page 932 lacks
// (including every one above U+FFFF) becomes one substitute.
[[nodiscard]] result convert_utf8_to_sjis(const char* in, std::size_t n, char* out) noexcept;

// The first ill-formed sequence and its offset; {success, n} when none.
// Characters code page 932 lacks are valid UTF-8 and pass.
[[nodiscard]] result validate_utf8(const char* in, std::size_t n) noexcept;

}  // namespace nuvel
