// Lookups into the generated code page 932 tables (see nuvel/gen/): Unicode to
// code page 932, which double-byte codes are assigned, and JIS X 0212 to code
// page 932 for the characters code page 932 has.
#pragma once

#include <cstdint>

namespace nuvel {

// The code page 932 code of BMP character `u`: below 0x100 a single byte,
// 0x8140-0xFCFC a double-byte code, 0 when code page 932 lacks it (U+0000
// is ASCII and handled by the callers before the table).
[[nodiscard]] std::uint16_t cp932_from_unicode(std::uint32_t u) noexcept;

// Whether lead/trail form a double-byte code that code page 932 assigns
// (the user-defined area 0xF040-0xF9FC counts). Any byte values are allowed.
[[nodiscard]] bool cp932_double_byte_assigned(unsigned lead, unsigned trail) noexcept;

// The code page 932 code of JIS X 0212 row/cell bytes (0x21-0x7E each), 0 when
// code page 932 lacks the character or the code is unassigned.
[[nodiscard]] std::uint16_t cp932_from_jisx0212(unsigned row, unsigned cell) noexcept;

}  // namespace nuvel
