// Detection on short real snippets in each encoding, including the classic
// traps: Shift_JIS half-width katakana that is also valid EUC-JP, EUC-JP
// kana that is also valid Shift_JIS, and charset declarations.
#include <gtest/gtest.h>

#include <string>

#include "nuvel/core/detect.h"

namespace nuvel {
namespace {

struct row {
  const char* name;
  std::string bytes;
  encoding want;
};

// The snippets are real Japanese phrases written out in each encoding.
const row kRows[] = {
    {"utf8 bom", "\xEF\xBB\xBF" "abc", encoding::utf8},
    {"utf16le bom", std::string("\xFF\xFE" "a\0", 4), encoding::utf16le},
    {"utf16be bom", std::string("\xFE\xFF\0a", 4), encoding::utf16be},
    {"pure ascii", "<html><body>hello</body></html>", encoding::ascii},
    // 日本語のテキスト
    {"jis kanji", "\x1B$BF|K\\8l$N%F%-%9%H\x1B(B", encoding::iso2022jp},
    {"jis katakana only", "\x1B(I1]CE\x1B(B", encoding::iso2022jp},
    {"euc sentence", "\xC6\xFC\xCB\xDC\xB8\xEC\xA4\xCE\xA5\xC6\xA5\xAD\xA5\xB9\xA5\xC8", encoding::eucjp},
    {"sjis sentence", "\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x83\x65\x83\x4C\x83\x58\x83\x67", encoding::shift_jis},
    {"utf8 sentence", "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE\xE3\x83\x86\xE3\x82\xAD\xE3\x82\xB9\xE3\x83\x88",
     encoding::utf8},
    // です。 in EUC-JP: A4 C7 A4 B9 A1 A3, also valid Shift_JIS half-width katakana
    {"euc hiragana that is valid sjis", "\xA4\xC7\xA4\xB9\xA1\xA3", encoding::eucjp},
    // ｱﾝﾃﾅ in Shift_JIS: B1 DD C3 C5, also valid EUC-JP (two kanji)
    {"sjis half-width even run", "\xB1\xDD\xC3\xC5", encoding::shift_jis},
    // ｱﾝﾃﾅ ｶﾞ ﾐｴﾙ
    {"sjis half-width runs with spaces", "\xB1\xDD\xC3\xC5 \xB6\xDE \xD0\xB4\xD9", encoding::shift_jis},
    // コンピュータ in EUC-JP
    {"euc katakana word", "\xA5\xB3\xA5\xF3\xA5\xD4\xA5\xE5\xA1\xBC\xA5\xBF", encoding::eucjp},
    // こんにちは in EUC-JP with half-width ﾃｽﾄ (8E xx)
    {"euc with half-width katakana", "\xA4\xB3\xA4\xF3\xA4\xCB\xA4\xC1\xA4\xCF\x8E\xC3\x8E\xBD\x8E\xC4",
     encoding::eucjp},
    // 更新 in Shift_JIS with a charset declaration
    {"sjis declared", "<meta charset=\"Shift_JIS\">\x8D\x58\x90\x56", encoding::shift_jis},
    // ｱｲ (B1 B2) alone is EUC-JP 臆 too: the declaration decides
    {"declaration decides a tie", "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=x-sjis\">\xB1\xB2",
     encoding::shift_jis},
    {"euc declared", "<?xml version=\"1.0\" encoding=\"EUC-JP\"?>\xB1\xB2", encoding::eucjp},
    // A declaration the bytes contradict is ignored: UTF-8 text declared EUC-JP
    {"declaration contradicted", "<meta charset=\"euc-jp\">\xE6\x97\xA5\xE6\x9C\xAC", encoding::utf8},
    // 省略可能なのは拡張機能です。 in EUC-JP: every byte is 0xA1-0xDF, so it
    // is also valid Shift_JIS half-width katakana
    {"euc all bytes in the half-width range",
     "(\xB3\xC6 expression \xA4\xAC\xBE\xCA\xCE\xAC\xB2\xC4\xC7\xBD\xA4\xCA\xA4\xCE\xA4\xCF\xB3\xC8\xC4\xA5"
     "\xB5\xA1\xC7\xBD\xA4\xC7\xA4\xB9\xA1\xA3",
     encoding::eucjp},
    // Only the start of a UTF-8 character, cut by the end
    {"utf8 only a cut character", "\\fBUID\\fP, \\fB_\\fP \xE3\x82", encoding::utf8},
    {"jis escape cut by the end", "\\fBUID\\fP, \\fB_\\fP \x1B$", encoding::iso2022jp},
    // Cut in the middle of a character at the end
    {"utf8 cut at end", "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA", encoding::utf8},
    {"sjis cut at end", "\x93\xFA\x96\x7B\x8C", encoding::shift_jis},
};

TEST(Detect, Snippets) {
  for (const row& r : kRows)
    EXPECT_STREQ(to_string(detect_encoding(r.bytes.data(), r.bytes.size())), to_string(r.want)) << r.name;
}

TEST(Detect, EscapeAfterLongAsciiPrefix) {
  std::string text(100000, 'a');
  text += "\x1B$B$\"\x1B(B";
  EXPECT_EQ(detect_encoding(text.data(), text.size()), encoding::iso2022jp);
}

TEST(Detect, JapaneseAfterWindowOfAscii) {
  std::string text(200000, 'a');
  text += "\x93\xFA\x96\x7B\x8C\xEA\x82\xCC";  // 日本語の in Shift_JIS
  EXPECT_EQ(detect_encoding(text.data(), text.size()), encoding::shift_jis);
}

TEST(Detect, EmptyIsAscii) { EXPECT_EQ(detect_encoding("", 0), encoding::ascii); }

}  // namespace
}  // namespace nuvel
