// ReplaceText (limits, resumption after the inserted text) and
// UnescapeTitle (order of the three references).
#include "plugin/core/text_funcs.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

struct ReplaceCase {
  std::u16string text, find, replacement;
  int maximum;
  std::u16string expected;
  int count;
};

TEST(ReplaceText, Table) {
  const ReplaceCase cases[] = {
      {u"a-a-a", u"a", u"b", 0, u"b-b-b", 3},
      {u"a-a-a", u"a", u"b", 2, u"b-b-a", 2},   // stops at the maximum
      {u"a-a-a", u"a", u"b", -1, u"b-b-b", 3},  // a negative limit is never reached
      {u"a-a-a", u"a", u"b", 5, u"b-b-b", 3},
      {u"abc", u"x", u"y", 0, u"abc", 0},
      {u"aaa", u"a", u"aa", 0, u"aaaaaa", 3},   // the inserted text is not searched again
      {u"xabx", u"ab", u"", 0, u"xx", 1},
      {u"ABab", u"ab", u"-", 0, u"AB-", 1},      // case-sensitive
      {u"", u"a", u"b", 0, u"", 0},
      {u"abc", u"", u"z", 0, u"abc", 0},         // an empty find replaces nothing
  };
  for (const ReplaceCase& c : cases) {
    std::u16string text = c.text;
    EXPECT_EQ(ReplaceText(text, c.find, c.replacement, c.maximum), c.count);
    EXPECT_EQ(text, c.expected);
  }
}

TEST(ReplaceText, NoMaximumArgumentMeansNoLimit) {
  std::u16string text = u"x.x.x";
  EXPECT_EQ(ReplaceText(text, u"x", u"y"), 3);
  EXPECT_EQ(text, u"y.y.y");
}

TEST(Decimal, Table) {
  const std::pair<std::uint64_t, std::u16string> cases[] = {
      {0, u"0"}, {7, u"7"}, {10, u"10"}, {10001, u"10001"}, {18446744073709551615ull, u"18446744073709551615"}};
  for (const auto& [n, text] : cases) EXPECT_EQ(decimal(n), text);
}

TEST(UnescapeTitle, Table) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"Tea &amp; Cakes", u"Tea & Cakes"},
      {u"say &quot;hi&quot;", u"say \"hi\""},
      {u"http://a.example/\uFF5Euser/", u"http://a.example/~user/"},
      {u"\uFF5Ealone", u"\uFF5Ealone"},           // only after a slash
      {u"&amp;quot;", u"&quot;"},                 // "&amp;" is undone last
      {u"&amp;amp;", u"&amp;"},                   // the search resumes after each "&"
      {u"plain 日本語", u"plain 日本語"},
      {u"", u""},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(UnescapeTitle(in), out);
}

TEST(UnescapeTitle, LeavesItsArgumentAlone) {
  const std::u16string original = u"&amp;";
  std::u16string copy = UnescapeTitle(original);
  EXPECT_EQ(original, u"&amp;");
  EXPECT_EQ(copy, u"&");
}

}  // namespace
}  // namespace vesk
