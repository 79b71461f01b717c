// ISO-2022-JP to code page 932. Designations: ESC ( B ASCII, ESC ( J JIS X
// 0201 Roman (its bytes pass as they are), ESC ( I and SO/SI JIS X 0201
// katakana, ESC $ @ / ESC $ B / ESC $ ( B JIS X 0208 (by row/cell
// arithmetic), ESC $ ( D JIS X 0212 (through the table), and ESC & @ (the
// 1990 announcer, ignored). Control bytes below 0x21 pass in every mode.
#pragma once

#include <cstddef>

#include "nuvel/core/error.h"

namespace nuvel {

// Writes at most 2 * n bytes to out; result.count is the bytes written.
// Escape sequences write nothing; an unknown one writes the substitute for
// its ESC and its other bytes are read as text.
[[nodiscard]] result convert_iso2022jp_to_sjis(const char* in, std::size_t n, char* out) noexcept;

// The first problem (including any byte >= 0x80 other than the 8-bit
// half-width katakana 0xA1-0xDF) and its offset; {success, n} when none.
[[nodiscard]] result validate_iso2022jp(const char* in, std::size_t n) noexcept;

// Whether in[i..] starts an escape sequence the converter knows.
[[nodiscard]] bool is_iso2022jp_escape(const char* in, std::size_t i, std::size_t n) noexcept;

}  // namespace nuvel
