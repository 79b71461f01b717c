// Whole code spaces against glibc iconv, one code per line: every EUC-JP
// code (JIS X 0208, half-width katakana, JIS X 0212) converted to code page
// 932, and every code page 932 code sent through UTF-8 and back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "nuvel/core/cp932_table.h"
#include "nuvel/tests/oracle/corpus.h"
#include "nuvel/tests/support.h"

namespace nuvel {
namespace {

struct probe_line {
  unsigned code;      // what the line holds, for messages
  std::string bytes;  // the code's bytes
};

// "XXXXXX<bytes>\n" per line; iconv -c keeps the ASCII label and drops what
// it cannot read or write. Returns iconv's bytes for each line.
std::vector<std::string> iconv_per_line(const std::vector<probe_line>& lines, const std::string& from,
                                        const std::string& to) {
  std::string probe;
  for (const probe_line& l : lines) {
    char label[8];
    std::snprintf(label, sizeof label, "%06X", l.code);
    probe += label + l.bytes + "\n";
  }
  std::string out = test::run_filter("iconv -c -f " + from + " -t " + to, probe);
  std::vector<std::string> result;
  for (std::size_t pos = 0; pos < out.size();) {
    std::size_t end = out.find('\n', pos + 6);
    if (end == std::string::npos) break;
    result.push_back(out.substr(pos + 6, end - pos - 6));
    pos = end + 1;
  }
  return result;
}

TEST(CodeSpace, EveryEucJpCodeMatchesIconv) {
  std::vector<probe_line> lines;
  for (unsigned b1 = 0xA1; b1 <= 0xFE; ++b1)
    for (unsigned b2 = 0xA1; b2 <= 0xFE; ++b2) {
      lines.push_back({b1 << 8 | b2, {static_cast<char>(b1), static_cast<char>(b2)}});
      lines.push_back({0x8F0000 | b1 << 8 | b2, {'\x8F', static_cast<char>(b1), static_cast<char>(b2)}});
    }
  for (unsigned k = 0xA1; k <= 0xDF; ++k) lines.push_back({0x8E00 | k, {'\x8E', static_cast<char>(k)}});
  std::vector<std::string> theirs = iconv_per_line(lines, "EUC-JP", "CP932");
  ASSERT_EQ(theirs.size(), lines.size());
  int agreed = 0, extended = 0, glibc_fallback = 0;
  for (std::size_t k = 0; k < lines.size(); ++k) {
    std::string ours = test::convert(encoding::eucjp, lines[k].bytes).bytes;
    unsigned row = ((lines[k].code >> 8) & 0xFF) - 0xA0;
    bool two_byte = lines[k].code < 0x10000 && lines[k].code > 0xA000;
    if (theirs[k].empty() && ours != "\x81\xAC") {
      // Beyond glibc's EUC-JP: the NEC row 13 and the NEC-selected IBM rows
      // 89-92, as Windows' own EUC-JP reads them.
      EXPECT_TRUE(two_byte && (row == 13 || (row >= 89 && row <= 92))) << std::hex << lines[k].code;
      ++extended;
    } else if (!theirs[k].empty()) {
      if (lines[k].code > 0xFFFF && ours == "\x81\xAC" &&
          theirs[k] == test::convert(encoding::eucjp, lines[k].bytes.substr(1)).bytes) {
        // glibc reads a JIS X 0212 code that JIS X 0212 leaves empty as the
        // JIS X 0208 character of the same row and cell; that is not a
        // character of the text, so it stays a substitute here.
        ++glibc_fallback;
        continue;
      }
      EXPECT_EQ(test::hex(ours), test::hex(theirs[k])) << std::hex << lines[k].code;
      ++agreed;
    }
  }
  EXPECT_GT(agreed, 6879 + 63 + 100);
  EXPECT_LT(glibc_fallback, 1200);
  EXPECT_EQ(extended, 83 + 374);
}

TEST(CodeSpace, EveryCp932CodeThroughUtf8MatchesIconv) {
  std::vector<probe_line> lines;
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead)
    for (unsigned trail = 0x40; trail <= 0xFC; ++trail)
      if (cp932_double_byte_assigned(lead, trail))
        lines.push_back({lead << 8 | trail, {static_cast<char>(lead), static_cast<char>(trail)}});
  for (unsigned k = 0xA1; k <= 0xDF; ++k) lines.push_back({k, {static_cast<char>(k)}});
  std::vector<std::string> utf8 = iconv_per_line(lines, "CP932", "UTF-8");
  ASSERT_EQ(utf8.size(), lines.size());
  std::vector<probe_line> back;
  for (std::size_t k = 0; k < lines.size(); ++k) back.push_back({lines[k].code, utf8[k]});
  std::vector<std::string> theirs = iconv_per_line(back, "UTF-8", "CP932");
  ASSERT_EQ(theirs.size(), lines.size());
  int same = 0;
  for (std::size_t k = 0; k < lines.size(); ++k) {
    ASSERT_FALSE(utf8[k].empty()) << std::hex << lines[k].code;
    std::string ours = test::convert(encoding::utf8, utf8[k]).bytes;
    EXPECT_EQ(test::hex(ours), test::hex(theirs[k])) << std::hex << lines[k].code;
    same += ours == lines[k].bytes;
  }
  // Only codes with a preferred twin come back different: the 374
  // NEC-selected IBM codes and the duplicates among the NEC and IBM rows.
  EXPECT_GT(same, static_cast<int>(lines.size()) - 400);
}

}  // namespace
}  // namespace nuvel
