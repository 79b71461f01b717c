// The engine against glibc iconv (-t CP932) on real Japanese text from
// manpages-ja in every input encoding, stated and detected; and the whole
// Unicode table against iconv's code page 932 character by character.
#include <gtest/gtest.h>

#include <string>

#include "nuvel/core/cp932_table.h"
#include "nuvel/core/detect.h"
#include "nuvel/tests/oracle/corpus.h"
#include "nuvel/tests/support.h"

namespace nuvel {
namespace {

class Oracle : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(test::ensure_corpus(NUVEL_CORPUS_DIR, 1000000)); }
  static std::string file(const std::string& name) { return test::read_file(NUVEL_CORPUS_DIR "/" + name); }
};

// The offset of the first difference, for a readable failure.
std::size_t first_difference(const std::string& a, const std::string& b) {
  std::size_t k = 0;
  while (k < a.size() && k < b.size() && a[k] == b[k]) ++k;
  return k;
}

struct corpus_file {
  const char* name;
  encoding stated;
};

const corpus_file kFiles[] = {
    {"utf8", encoding::utf8},   {"eucjp", encoding::eucjp},     {"iso2022jp", encoding::iso2022jp},
    {"sjis", encoding::shift_jis}, {"utf16", encoding::utf16le},
};

TEST_F(Oracle, ManPagesMatchIconvInEveryEncoding) {
  for (const corpus_file& f : kFiles) {
    std::string in = file(std::string("text.") + f.name);
    std::string want = file(std::string("want.") + f.name);
    ASSERT_GT(in.size(), 500000u) << f.name;
    EXPECT_EQ(detect_encoding(in.data(), in.size()), f.stated) << f.name;
    test::converted c = test::convert(f.stated, in);
    EXPECT_EQ(c.error, error_code::success) << f.name;
    ASSERT_EQ(c.bytes.size(), want.size()) << f.name;
    std::size_t at = first_difference(c.bytes, want);
    EXPECT_EQ(at, want.size()) << f.name << " differs at " << at << ": "
                               << test::hex(c.bytes.substr(at, 8)) << " vs " << test::hex(want.substr(at, 8));
  }
}

TEST_F(Oracle, PiecesOfEveryEncodingMatchIconv) {
  // Line-aligned pieces of 4 KiB: detection and conversion of short inputs.
  for (const corpus_file& f : kFiles) {
    if (f.stated == encoding::utf16le || f.stated == encoding::iso2022jp) continue;  // not line-cuttable
    std::string in = file(std::string("text.") + f.name);
    std::size_t pieces = 0;
    for (std::size_t start = 0; start < in.size() && pieces < 100; start += 7919) {
      std::size_t a = in.find('\n', start);
      if (a == std::string::npos) break;
      std::size_t b = in.find('\n', a + 4096);
      if (b == std::string::npos) break;
      std::string piece = in.substr(a + 1, b - a);
      std::string want = f.stated == encoding::shift_jis
                             ? piece
                             : test::run_filter(std::string("iconv -f ") + (f.stated == encoding::utf8 ? "UTF-8" : "EUC-JP") +
                                                    " -t CP932",
                                                piece);
      std::string got = test::convert(f.stated, piece).bytes;
      ASSERT_EQ(test::hex(got.substr(first_difference(got, want), 16)),
                test::hex(want.substr(first_difference(got, want), 16)))
          << f.name << " piece at " << a + 1;
      ++pieces;
    }
    EXPECT_GT(pieces, 50u) << f.name;
  }
}

TEST(OracleTable, EveryBmpCharacterMatchesIconvCp932) {
  // One line per character: "XXXX<char>\n"; iconv -c leaves the hex digits
  // and drops characters code page 932 lacks.
  std::string probe;
  for (unsigned u = 0x80; u <= 0xFFFF; ++u) {
    if ((u >= 0xD800 && u <= 0xDFFF) || u == 0x2028 || u == 0x2029 || u == 0x85) continue;
    char head[8];
    std::snprintf(head, sizeof head, "%04X", u);
    probe += head;
    if (u < 0x800) {
      probe += static_cast<char>(0xC0 | (u >> 6));
    } else {
      probe += static_cast<char>(0xE0 | (u >> 12));
      probe += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    }
    probe += static_cast<char>(0x80 | (u & 0x3F));
    probe += '\n';
  }
  std::string out = test::run_filter("iconv -c -f UTF-8 -t CP932", probe);
  std::size_t lines = 0, mapped = 0;
  for (std::size_t pos = 0; pos < out.size();) {
    std::size_t end = out.find('\n', pos + 4);
    ASSERT_NE(end, std::string::npos);
    unsigned u = std::stoul(out.substr(pos, 4), nullptr, 16);
    std::string theirs = out.substr(pos + 4, end - pos - 4);
    unsigned ours = cp932_from_unicode(u);
    std::string mine;
    if (ours >= 0x100) mine = {static_cast<char>(ours >> 8), static_cast<char>(ours & 0xFF)};
    else if (ours) mine = std::string(1, static_cast<char>(ours));
    EXPECT_EQ(test::hex(mine), test::hex(theirs)) << "U+" << std::hex << u;
    ++lines;
    if (ours) ++mapped;
    pos = end + 1;
  }
  EXPECT_GT(lines, 60000u);
  EXPECT_GT(mapped, 7000u);
}

}  // namespace
}  // namespace nuvel
