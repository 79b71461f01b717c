// The JIS X 0208 -> code page 932 table, filled once by arithmetic.
#include "nuvel/core/jis.h"

#include "nuvel/core/cp932_table.h"

namespace nuvel {
namespace {

struct jis_table {
  std::uint16_t codes[94 * 94];
  jis_table() noexcept {
    for (unsigned j1 = 0x21; j1 <= 0x7E; ++j1) {
      for (unsigned j2 = 0x21; j2 <= 0x7E; ++j2) {
        unsigned code = sjis_from_jis(j1, j2);
        bool assigned = cp932_double_byte_assigned(code >> 8, code & 0xFF);
        codes[(j1 - 0x21) * 94 + (j2 - 0x21)] = static_cast<std::uint16_t>(assigned ? code : 0);
      }
    }
  }
};

}  // namespace

const std::uint16_t* jisx0208_table() noexcept {
  static const jis_table table;
  return table.codes;
}

}  // namespace nuvel
