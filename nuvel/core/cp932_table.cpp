// The generated code page 932 tables and their lookups. The .inc file is
// written by nuvel/gen/gen_cp932_tables.py at build time.
#include "nuvel/core/cp932_table.h"

namespace nuvel {
namespace {
#include "nuvel/cp932_tables.inc"
}  // namespace

std::uint16_t cp932_from_unicode(std::uint32_t u) noexcept {
  if (u > 0xFFFF) return 0;
  return kUnicodePages[kUnicodePageIndex[u >> 8]][u & 0xFF];
}

bool cp932_double_byte_assigned(unsigned lead, unsigned trail) noexcept {
  unsigned index;
  if (lead >= 0x81 && lead <= 0x9F) index = lead - 0x81;
  else if (lead >= 0xE0 && lead <= 0xFC) index = lead - 0xE0 + 31;
  else return false;
  if (trail < 0x40 || trail > 0xFF) return false;
  unsigned bit = index * 192 + (trail - 0x40);
  return (kAssignedDoubleByte[bit >> 3] >> (bit & 7)) & 1;
}

std::uint16_t cp932_from_jisx0212(unsigned row, unsigned cell) noexcept {
  if (row < 0x21 || row > 0x7E || cell < 0x21 || cell > 0x7E) return 0;
  return kJisX0212ToCp932[(row - 0x21) * 94 + (cell - 0x21)];
}

}  // namespace nuvel
