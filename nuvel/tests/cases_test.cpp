// Byte-exact conversion cases, one row per behaviour: each encoding's kana,
// half-width katakana, JIS X 0212, NEC and IBM extensions, look-alikes,
// truncated and invalid sequences at the end, empty and pure ASCII input.
#include <gtest/gtest.h>

#include "nuvel/tests/support.h"

namespace nuvel {
namespace {

using test::hex;

struct row {
  const char* name;
  encoding from;
  std::string in;
  std::string want;
  error_code error;
};

const std::string SUB = "\x81\xAC";
constexpr auto ok = error_code::success;
constexpr auto bad = error_code::invalid_sequence;
constexpr auto cut = error_code::truncated;
constexpr auto lacks = error_code::unmapped;

const row kRows[] = {
    // EUC-JP
    {"euc hiragana", encoding::eucjp, "\xA4\xA2\xA4\xF3", "\x82\xA0\x82\xF1", ok},
    {"euc kanji level 2 last", encoding::eucjp, "\xF4\xA6", "\xEA\xA4", ok},
    {"euc half-width katakana", encoding::eucjp, "\x8E\xB1\x8E\xDF", "\xB1\xDF", ok},
    {"euc half-width out of range", encoding::eucjp, "\x8E\xE0", SUB + SUB, bad},
    {"euc wave dash", encoding::eucjp, "\xA1\xC1", "\x81\x60", ok},
    {"euc NEC row 13", encoding::eucjp, "\xAD\xA1", "\x87\x40", ok},
    {"euc row 89 NEC-selected IBM", encoding::eucjp, "\xF9\xA1", "\xED\x40", ok},
    {"euc JIS X 0212 IBM kanji", encoding::eucjp, "\x8F\xB0\xA9", "\xFA\x68", ok},
    {"euc JIS X 0212 numero sign", encoding::eucjp, "\x8F\xA2\xF1", "\x87\x82", ok},
    {"euc JIS X 0212 lacking", encoding::eucjp, "\x8F\xA2\xC3", SUB, lacks},
    {"euc unassigned row 9", encoding::eucjp, "\xA9\xA1", SUB, lacks},
    {"euc lead then ASCII", encoding::eucjp, "\xA4<", SUB + "<", bad},
    {"euc truncated at end", encoding::eucjp, "a\xA4", "a" + SUB, cut},
    {"euc truncated 0212 at end", encoding::eucjp, "a\x8F\xA2", "a" + SUB, cut},
    {"euc stray byte", encoding::eucjp, "\x80" "a\xFF", SUB + "a" + SUB, bad},
    // ISO-2022-JP
    {"jis kanji and back", encoding::iso2022jp, "\x1B$B$\"$s\x1B(Ba", "\x82\xA0\x82\xF1" "a", ok},
    {"jis old designation", encoding::iso2022jp, "\x1B$@$\"\x1B(J\\~", "\x82\xA0\\~", ok},
    {"jis 1990 announcer", encoding::iso2022jp, "\x1B&@\x1B$B$\"\x1B(B", "\x82\xA0", ok},
    {"jis katakana designation", encoding::iso2022jp, "\x1B(I1_\x1B(B", "\xB1\xDF", ok},
    {"jis shift out and in", encoding::iso2022jp, "a\x0E" "1\x0F" "1", "a\xB1" "1", ok},
    {"jis 8-bit katakana", encoding::iso2022jp, "\xB1", "\xB1", ok},
    {"jis JIS X 0212", encoding::iso2022jp, "\x1B$(D0)\x1B(B", "\xFA\x68", ok},
    {"jis newline inside kanji mode", encoding::iso2022jp, "\x1B$B$\"\r\n$\"", "\x82\xA0\r\n\x82\xA0", ok},
    {"jis unknown escape", encoding::iso2022jp, "\x1B" "x", SUB + "x", error_code::bad_escape},
    {"jis truncated escape at end", encoding::iso2022jp, "a\x1B$", "a" + SUB, cut},
    {"jis truncated kanji at end", encoding::iso2022jp, "\x1B$B$", SUB, cut},
    {"jis high byte", encoding::iso2022jp, "\x80", SUB, bad},
    // UTF-8
    {"utf8 hiragana", encoding::utf8, "\xE3\x81\x82", "\x82\xA0", ok},
    {"utf8 bom skipped", encoding::utf8, "\xEF\xBB\xBF" "a", "a", ok},
    {"utf8 half-width katakana", encoding::utf8, "\xEF\xBD\xB1", "\xB1", ok},
    {"utf8 wave dash", encoding::utf8, "\xE3\x80\x9C", "\x81\x60", ok},
    {"utf8 full-width tilde", encoding::utf8, "\xEF\xBD\x9E", "\x81\x60", ok},
    {"utf8 double vertical line", encoding::utf8, "\xE2\x80\x96", "\x81\x61", ok},
    {"utf8 minus sign", encoding::utf8, "\xE2\x88\x92", "\x81\x7C", ok},
    {"utf8 cent pound not", encoding::utf8, "\xC2\xA2\xC2\xA3\xC2\xAC", "\x81\x91\x81\x92\x81\xCA", ok},
    {"utf8 em dash", encoding::utf8, "\xE2\x80\x94", "\x81\x5C", ok},
    {"utf8 yen sign", encoding::utf8, "\xC2\xA5", "\x5C", ok},
    {"utf8 full-width yen sign", encoding::utf8, "\xEF\xBF\xA5", "\x81\x8F", ok},
    {"utf8 NEC circled one", encoding::utf8, "\xE2\x91\xA0", "\x87\x40", ok},
    {"utf8 roman one is NEC", encoding::utf8, "\xE2\x85\xA0", "\x87\x54", ok},
    {"utf8 small roman one is IBM", encoding::utf8, "\xE2\x85\xB0", "\xFA\x40", ok},
    {"utf8 IBM kanji not NEC-selected", encoding::utf8, "\xE7\xBA\x8A", "\xFA\x5C", ok},
    {"utf8 because is JIS", encoding::utf8, "\xE2\x88\xB5", "\x81\xE6", ok},
    {"utf8 full-width not sign is JIS", encoding::utf8, "\xEF\xBF\xA2", "\x81\xCA", ok},
    {"utf8 user-defined area", encoding::utf8, "\xEE\x80\x80", "\xF0\x40", ok},
    {"utf8 e acute lacking", encoding::utf8, "\xC3\xA9", SUB, lacks},
    {"utf8 emoji is one substitute", encoding::utf8, "\xF0\x9F\x98\x80", SUB, lacks},
    {"utf8 overlong", encoding::utf8, "\xC0\x80", SUB + SUB, bad},
    {"utf8 surrogate", encoding::utf8, "\xED\xA0\x80", SUB + SUB + SUB, bad},
    {"utf8 lead then ASCII", encoding::utf8, "\xE3\x81<", SUB + "<", bad},
    {"utf8 truncated at end", encoding::utf8, "a\xE3\x81", "a" + SUB, cut},
    // UTF-16
    {"utf16le with bom", encoding::utf16le, std::string("\xFF\xFE\x42\x30" "a\0", 6), "\x82\xA0" "a", ok},
    {"utf16be with bom", encoding::utf16be, std::string("\xFE\xFF\x30\x42\0a", 6), "\x82\xA0" "a", ok},
    {"utf16le half-width", encoding::utf16le, "\x71\xFF", "\xB1", ok},
    {"utf16le nul", encoding::utf16le, std::string("\0\0", 2), std::string("\0", 1), ok},
    {"utf16le pair is one substitute", encoding::utf16le, std::string("\x3D\xD8\x00\xDE", 4), SUB, lacks},
    {"utf16le lone low surrogate", encoding::utf16le, std::string("\x00\xDC" "a\0", 4), SUB + "a", bad},
    {"utf16le odd final byte", encoding::utf16le, std::string("a\0\x42", 3), "a" + SUB, cut},
    // Shift_JIS
    {"sjis passes", encoding::shift_jis, "\x82\xA0\x88\x9F\xEA\xA4", "\x82\xA0\x88\x9F\xEA\xA4", ok},
    {"sjis NEC-selected IBM kept", encoding::shift_jis, "\xED\x40\xEE\xFC", "\xED\x40\xEE\xFC", ok},
    {"sjis IBM and NEC kept", encoding::shift_jis, "\xFA\x5C\x87\x40", "\xFA\x5C\x87\x40", ok},
    {"sjis half-width kept", encoding::shift_jis, "\xB1\xDD\xC3\xC5", "\xB1\xDD\xC3\xC5", ok},
    {"sjis user-defined kept", encoding::shift_jis, "\xF0\x40", "\xF0\x40", ok},
    {"sjis backslash trail kept", encoding::shift_jis, "\x95\x5C", "\x95\x5C", ok},
    {"sjis unassigned", encoding::shift_jis, "\x85\x40", SUB, lacks},
    {"sjis lead then space", encoding::shift_jis, "\x82 ", SUB + " ", bad},
    {"sjis single 0x80 0xA0 0xFD", encoding::shift_jis, "\x80\xA0\xFD", SUB + SUB + SUB, bad},
    {"sjis truncated at end", encoding::shift_jis, "a\x82", "a" + SUB, cut},
};

TEST(Cases, EachRow) {
  for (const row& r : kRows) {
    test::converted c = test::convert(r.from, r.in);
    EXPECT_EQ(hex(c.bytes), hex(r.want)) << r.name;
    EXPECT_STREQ(to_string(c.error), to_string(r.error)) << r.name;
  }
}

TEST(Cases, EmptyInputWritesNothing) {
  for (encoding e : {encoding::ascii, encoding::iso2022jp, encoding::eucjp, encoding::utf8, encoding::shift_jis,
                     encoding::utf16le, encoding::utf16be}) {
    test::converted c = test::convert(e, "");
    EXPECT_EQ(c.bytes, "") << to_string(e);
    EXPECT_EQ(c.error, error_code::success);
  }
}

// Found by the sanitized run of these tests: valid Shift_JIS is copied in
// one piece, and an empty input with null areas handed memcpy a null
// pointer. Every encoding takes null areas of length 0.
TEST(Cases, RegressionEmptyInputWithNullAreas) {
  for (encoding e : {encoding::ascii, encoding::iso2022jp, encoding::eucjp, encoding::utf8, encoding::shift_jis,
                     encoding::utf16le, encoding::utf16be}) {
    result r = convert_to_sjis(e, nullptr, 0, nullptr);
    EXPECT_EQ(r.count, 0u) << to_string(e);
    EXPECT_EQ(r.error, error_code::success) << to_string(e);
  }
}

TEST(Cases, PureAsciiPassesInEveryByteEncoding) {
  std::string ascii;
  for (int k = 0; k < 3; ++k)
    for (int b = 0; b < 0x80; ++b)
      if (b != 0x1B && b != 0x0E && b != 0x0F) ascii += static_cast<char>(b);
  for (encoding e : {encoding::ascii, encoding::iso2022jp, encoding::eucjp, encoding::utf8, encoding::shift_jis}) {
    test::converted c = test::convert(e, ascii);
    EXPECT_EQ(c.bytes, ascii) << to_string(e);
    EXPECT_EQ(c.error, error_code::success) << to_string(e);
  }
}

}  // namespace
}  // namespace nuvel
