// Under Windows (Wine here): the generated tables against the system's own
// code page 932. Every BMP character maps as WideCharToMultiByte(932) maps it
// without best fit (the documented look-alikes aside), and every double-byte
// code we pass through decodes with MultiByteToWideChar(932).
#ifdef _WIN32
#include <windows.h>

#include <gtest/gtest.h>

#include "nuvel/core/cp932_table.h"

namespace nuvel {
namespace {

// Characters mapped on purpose where Windows maps nothing without best fit.
bool is_lookalike(unsigned u) {
  switch (u) {
    case 0x301C: case 0x2016: case 0x2212: case 0x00A2: case 0x00A3:
    case 0x00AC: case 0x2014: case 0x00A5: case 0x203E:
      return true;
  }
  return false;
}

TEST(WindowsCp932, UnicodeTableMatchesWideCharToMultiByte) {
  int compared = 0;
  for (unsigned u = 0x80; u <= 0xFFFF; ++u) {
    if ((u >= 0xD800 && u <= 0xDFFF) || is_lookalike(u)) continue;
    wchar_t wc = static_cast<wchar_t>(u);
    char buf[4];
    BOOL used_default = FALSE;
    int len = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &wc, 1, buf, sizeof buf, nullptr, &used_default);
    unsigned theirs = 0;
    if (len == 1 && !used_default) theirs = static_cast<unsigned char>(buf[0]);
    if (len == 2 && !used_default) theirs = (static_cast<unsigned char>(buf[0]) << 8) | static_cast<unsigned char>(buf[1]);
    // Windows maps U+0080 and the private code points U+F8F0-U+F8F3 to
    // single bytes 0x80, 0xA0, 0xFD-0xFF, which are not characters to us.
    if (u == 0x80 || (u >= 0xF8F0 && u <= 0xF8F3)) continue;
    EXPECT_EQ(cp932_from_unicode(u), theirs) << std::hex << "U+" << u;
    ++compared;
  }
  EXPECT_GT(compared, 60000);
}

TEST(WindowsCp932, PassedThroughCodesDecode) {
  int assigned = 0;
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
      if (!cp932_double_byte_assigned(lead, trail)) continue;
      char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      wchar_t wc[2];
      int len = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes, 2, wc, 2);
      EXPECT_EQ(len, 1) << std::hex << lead << ' ' << trail;
      ++assigned;
    }
  }
  EXPECT_GT(assigned, 7000);
}

}  // namespace
}  // namespace nuvel
#endif
