// The generated code page 932 tables (nuvel/cp932_tables.inc, written by
// nuvel/gen/gen_cp932_tables.py at build time); lookups are in the header.
#include "nuvel/core/cp932_table.h"

namespace nuvel::tables {
#include "nuvel/cp932_tables.inc"
}  // namespace nuvel::tables

namespace nuvel {
namespace {

struct flat_table {
  std::uint16_t codes[0x10000];
  flat_table() noexcept {
    for (std::uint32_t u = 0; u <= 0xFFFF; ++u) codes[u] = cp932_from_unicode(u);
  }
};

struct assigned_bits {
  std::uint8_t bits[0x10000 / 8] = {};
  assigned_bits() noexcept {
    for (unsigned code = 0x8100; code <= 0xFFFF; ++code)
      if (cp932_double_byte_assigned(code >> 8, code & 0xFF)) bits[code >> 3] |= 1 << (code & 7);
  }
};

}  // namespace

const std::uint8_t* cp932_assigned_bits() noexcept {
  static const assigned_bits table;
  return table.bits;
}

const std::uint16_t* cp932_bmp_table() noexcept {
  static const flat_table table;
  return table.codes;
}

}  // namespace nuvel
