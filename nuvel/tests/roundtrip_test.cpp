// Round trips over whole code spaces: every JIS X 0208 code reaches the
// same code page 932 code from EUC-JP and ISO-2022-JP and passes through as
// Shift_JIS; every character of the Unicode table reaches its code from
// UTF-8, UTF-16LE and UTF-16BE.
#include <gtest/gtest.h>

#include <string>

#include "nuvel/core/cp932_table.h"
#include "nuvel/core/jis.h"
#include "nuvel/tests/support.h"

namespace nuvel {
namespace {

std::string code_bytes(unsigned code) {
  if (code < 0x100) return std::string(1, static_cast<char>(code));
  return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

TEST(RoundTrip, JisX0208FromEucAndJisAndThroughSjis) {
  int assigned = 0;
  for (unsigned j1 = 0x21; j1 <= 0x7E; ++j1) {
    for (unsigned j2 = 0x21; j2 <= 0x7E; ++j2) {
      unsigned code = cp932_from_jisx0208(j1, j2);
      std::string want = code ? code_bytes(code) : "\x81\xAC";
      std::string euc = {static_cast<char>(j1 | 0x80), static_cast<char>(j2 | 0x80)};
      std::string jis = "\x1B$B" + std::string{static_cast<char>(j1), static_cast<char>(j2)} + "\x1B(B";
      ASSERT_EQ(test::convert(encoding::eucjp, euc).bytes, want) << std::hex << j1 << ' ' << j2;
      ASSERT_EQ(test::convert(encoding::iso2022jp, jis).bytes, want) << std::hex << j1 << ' ' << j2;
      if (code) {
        ++assigned;
        ASSERT_EQ(test::convert(encoding::shift_jis, want).bytes, want) << std::hex << code;
      }
    }
  }
  // JIS X 0208 (6879), NEC row 13 (83) and the NEC-selected IBM rows 89-92 (374).
  EXPECT_EQ(assigned, 6879 + 83 + 374);
}

std::string utf8_of(unsigned u) {
  std::string s;
  if (u < 0x80) s += static_cast<char>(u);
  else if (u < 0x800) { s += static_cast<char>(0xC0 | (u >> 6)); s += static_cast<char>(0x80 | (u & 0x3F)); }
  else {
    s += static_cast<char>(0xE0 | (u >> 12));
    s += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (u & 0x3F));
  }
  return s;
}

TEST(RoundTrip, UnicodeTableFromUtf8AndUtf16) {
  int mapped = 0;
  for (unsigned u = 0x80; u <= 0xFFFF; ++u) {
    if (u >= 0xD800 && u <= 0xDFFF) continue;
    unsigned code = cp932_from_unicode(u);
    std::string want = code ? code_bytes(code) : "\x81\xAC";
    if (code) {
      ++mapped;
      // The table only yields codes that code page 932 decodes.
      if (code >= 0x100) {
        ASSERT_TRUE(cp932_double_byte_assigned(code >> 8, code & 0xFF)) << std::hex << u;
      }
    }
    std::string le = {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)};
    std::string be = {static_cast<char>(u >> 8), static_cast<char>(u & 0xFF)};
    if (u == 0xFEFF) continue;  // a byte-order mark at the start, tested elsewhere
    ASSERT_EQ(test::convert(encoding::utf8, utf8_of(u)).bytes, want) << std::hex << u;
    ASSERT_EQ(test::convert(encoding::utf16le, le).bytes, want) << std::hex << u;
    ASSERT_EQ(test::convert(encoding::utf16be, be).bytes, want) << std::hex << u;
  }
  EXPECT_GT(mapped, 7000);
}

}  // namespace
}  // namespace nuvel
