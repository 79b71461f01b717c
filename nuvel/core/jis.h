// JIS X 0208 row/cell to Shift_JIS by arithmetic, shared by the EUC-JP and
// ISO-2022-JP converters and by detection.
#pragma once

#include <cstdint>

namespace nuvel {

// The Shift_JIS code of JIS X 0208 bytes j1/j2 (0x21-0x7E each). Rows 89-92
// land on the NEC-selected IBM extensions 0xED40-0xEEFC, as in Windows' own
// EUC-JP; rows that code page 932 leaves empty are caught by the caller.
[[nodiscard]] constexpr unsigned sjis_from_jis(unsigned j1, unsigned j2) noexcept {
  unsigned lead = ((j1 + 1) >> 1) + (j1 <= 0x5E ? 0x70 : 0xB0);
  unsigned trail = (j1 & 1) ? j2 + (j2 >= 0x60 ? 0x20 : 0x1F) : j2 + 0x7E;
  return (lead << 8) | trail;
}

// 94 x 94 codes: sjis_from_jis() where code page 932 assigns the code it
// lands on, 0 elsewhere (rows 9-12, 14-15, 85-88, 93-94, empty cells).
// Computed once; the converters index it with (j1 - 0x21) * 94 + j2 - 0x21.
[[nodiscard]] const std::uint16_t* jisx0208_table() noexcept;

// The code page 932 code of JIS X 0208 j1/j2 (0x21-0x7E each), 0 when code
// page 932 does not assign it.
[[nodiscard]] inline unsigned cp932_from_jisx0208(unsigned j1, unsigned j2) noexcept {
  return jisx0208_table()[(j1 - 0x21) * 94 + (j2 - 0x21)];
}

}  // namespace nuvel
