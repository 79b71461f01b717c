// Lookups into the generated code page 932 tables (see nuvel/gen/): Unicode to
// code page 932, which double-byte codes are assigned, and JIS X 0212 to code
// page 932 for the characters code page 932 has. Inline: they sit in every
// converter's inner loop.
#pragma once

#include <cstdint>

namespace nuvel {

namespace tables {
// Defined by the generated nuvel/cp932_tables.inc (cp932_table.cpp).
extern const std::uint8_t kUnicodePageIndex[256];  // BMP page -> block, 0 = none
extern const std::uint16_t kUnicodePages[][256];   // block -> code per low byte
extern const std::uint8_t kAssignedDoubleByte[];   // bit per lead/trail pair
extern const std::uint16_t kJisX0212ToCp932[94 * 94];
}  // namespace tables

// The code page 932 code of BMP character `u`: below 0x100 a single byte,
// 0x8140-0xFCFC a double-byte code, 0 when code page 932 lacks it (U+0000
// is ASCII and handled by the callers before the table).
[[nodiscard]] inline std::uint16_t cp932_from_unicode(std::uint32_t u) noexcept {
  if (u > 0xFFFF) return 0;
  return tables::kUnicodePages[tables::kUnicodePageIndex[u >> 8]][u & 0xFF];
}

// The same mapping as one flat array of 65536 codes (surrogates 0), filled
// on first use: one load per character in the UTF-8 and UTF-16 loops.
[[nodiscard]] const std::uint16_t* cp932_bmp_table() noexcept;

// One bit per 16-bit value lead << 8 | trail (8 KiB), set where code page 932
// assigns the double-byte code; filled on first use for the Shift_JIS loop.
[[nodiscard]] const std::uint8_t* cp932_assigned_bits() noexcept;

// Whether lead/trail form a double-byte code that code page 932 assigns
// (the user-defined area 0xF040-0xF9FC counts). Any byte values are allowed.
[[nodiscard]] inline bool cp932_double_byte_assigned(unsigned lead, unsigned trail) noexcept {
  unsigned index;
  if (lead >= 0x81 && lead <= 0x9F) index = lead - 0x81;
  else if (lead >= 0xE0 && lead <= 0xFC) index = lead - 0xE0 + 31;
  else return false;
  if (trail < 0x40 || trail > 0xFF) return false;
  unsigned bit = index * 192 + (trail - 0x40);
  return (tables::kAssignedDoubleByte[bit >> 3] >> (bit & 7)) & 1;
}

// The code page 932 code of JIS X 0212 row/cell bytes (0x21-0x7E each), 0 when
// code page 932 lacks the character or the code is unassigned.
[[nodiscard]] inline std::uint16_t cp932_from_jisx0212(unsigned row, unsigned cell) noexcept {
  if (row < 0x21 || row > 0x7E || cell < 0x21 || cell > 0x7E) return 0;
  return tables::kJisX0212ToCp932[(row - 0x21) * 94 + (cell - 0x21)];
}

}  // namespace nuvel
