// The reading-menu script: byte-exact shape for a nine-entry menu, page
// breaks at 7, 8 and 15 entries, and titles that must not reach the host's
// script language unchanged.
#include "plugin/core/menu_script.h"

#include <gtest/gtest.h>

#include <string>

namespace vesk {
namespace {

Entry menu_entry(std::u16string stamp, std::u16string title) {
  return Entry{std::move(stamp), u"http://a.example/", u"by", std::move(title), u"note"};
}

std::u16string lines(std::initializer_list<std::u16string_view> parts) {
  std::u16string text;
  for (std::u16string_view p : parts) {
    if (!text.empty()) text += u"\r\n";
    text += p;
  }
  return text;
}

TEST(MenuScript, NineEntries) {
  const std::vector<Entry> entries = {
      menu_entry(u"2026/07/23 14:31", u"Garden Diary"),
      menu_entry(u"2026/07/23 12:05", u"Tea &amp; Cakes"),
      menu_entry(u"2026/07/23 09:40", u"Night Sky Notes"),
      menu_entry(u"2026/07/22 22:18", u"Rail Photos"),
      menu_entry(u"2026/07/22 19:02", u"Knitting Log"),
      menu_entry(u"2026/07/22 08:30", u"Old Maps"),
      menu_entry(u"2026/07/21 23:59", u"Pixel Town"),
      menu_entry(u"2026/07/21 17:45", u"Bird Calls"),
      menu_entry(u"2026/07/21 07:12", u"Quiet Harbour"),
  };
  const std::u16string expected = lines({
      u"新着9件っ\\n%j[#menu0]\\e",
      u"Entry: #menu0,\\m[10000,0,0]\\q0[#ent0][07/23 14:31 Garden Diary]\\q1[#ent1][07/23 12:05 Tea & Cakes]"
      u"\\q2[#ent2][07/23 09:40 Night Sky Notes]\\q3[#ent3][07/22 22:18 Rail Photos]"
      u"\\q4[#ent4][07/22 19:02 Knitting Log]\\q5[#ent5][07/22 08:30 Old Maps]"
      u"\\q6[#ent6][07/21 23:59 Pixel Town]\\q7[#menu1][次ページへ]\\e",
      u"Entry: #menu1,\\m[10000,0,0]\\q0[#ent7][07/21 17:45 Bird Calls]\\q1[#ent8][07/21 07:12 Quiet Harbour]",
      u"Entry: #ent0,\\m[10001,0,1]\\e",
      u"Entry: #ent1,\\m[10001,0,2]\\e",
      u"Entry: #ent2,\\m[10001,0,3]\\e",
      u"Entry: #ent3,\\m[10001,0,4]\\e",
      u"Entry: #ent4,\\m[10001,0,5]\\e",
      u"Entry: #ent5,\\m[10001,0,6]\\e",
      u"Entry: #ent6,\\m[10001,0,7]\\e",
      u"Entry: #ent7,\\m[10001,0,8]\\e",
      u"Entry: #ent8,\\m[10001,0,9]\\e",
  });
  EXPECT_EQ(build_menu_script(entries), expected);
}

TEST(MenuScript, OneEntry) {
  EXPECT_EQ(build_menu_script({menu_entry(u"2026/07/23 14:31", u"T")}),
            lines({u"新着1件っ\\n%j[#menu0]\\e", u"Entry: #menu0,\\m[10000,0,0]\\q0[#ent0][07/23 14:31 T]",
                   u"Entry: #ent0,\\m[10001,0,1]\\e"}));
}

std::u16string num(std::size_t n) {
  const std::string s = std::to_string(n);
  return std::u16string(s.begin(), s.end());
}

// k entries whose titles are their numbers 1 to k.
std::vector<Entry> numbered(std::size_t k) {
  std::vector<Entry> entries;
  for (std::size_t i = 1; i <= k; ++i) entries.push_back(menu_entry(u"2026/07/23 14:31", num(i)));
  return entries;
}

// Splits the script at CR LF.
std::vector<std::u16string> split_lines(const std::u16string& script) {
  std::vector<std::u16string> out;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = script.find(u"\r\n", start);
    out.push_back(script.substr(start, end - start));
    if (end == std::u16string::npos) return out;
    start = end + 2;
  }
}

std::size_t count_of(const std::u16string& text, std::u16string_view what) {
  std::size_t n = 0;
  for (std::size_t p = text.find(what); p != std::u16string::npos; p = text.find(what, p + 1)) ++n;
  return n;
}

TEST(MenuScript, PagesOfSeven) {
  struct Case { std::size_t k; std::vector<std::size_t> choices_per_page; };
  const Case cases[] = {{7, {7}}, {8, {7, 1}}, {14, {7, 7}}, {15, {7, 7, 1}}};
  for (const Case& c : cases) {
    const auto script_lines = split_lines(build_menu_script(numbered(c.k)));
    const std::size_t pages = c.choices_per_page.size();
    ASSERT_EQ(script_lines.size(), 1 + pages + c.k);
    for (std::size_t p = 0; p < pages; ++p) {
      const std::u16string& line = script_lines[1 + p];
      EXPECT_EQ(line.rfind(u"Entry: #menu" + num(p) + u",\\m[10000,0,0]", 0), 0u);
      const bool last = p + 1 == pages;
      EXPECT_EQ(count_of(line, u"[#ent"), c.choices_per_page[p]);
      if (last) {
        EXPECT_EQ(line.back(), u']');
        EXPECT_EQ(count_of(line, u"\\q7["), 0u);
      } else {
        const std::u16string link = u"\\q7[#menu" + num(p + 1) + u"][次ページへ]\\e";
        EXPECT_EQ(line.substr(line.size() - link.size()), link);
      }
    }
    for (std::size_t n = 1; n <= c.k; ++n) {
      EXPECT_EQ(script_lines[pages + n], u"Entry: #ent" + num(n - 1) + u",\\m[10001,0," + num(n) + u"]\\e");
    }
  }
}

TEST(MenuScript, ChoiceOfEntryEightSitsInSlotZeroOfPageOne) {
  const auto script_lines = split_lines(build_menu_script(numbered(8)));
  EXPECT_EQ(script_lines[2], u"Entry: #menu1,\\m[10000,0,0]\\q0[#ent7][07/23 14:31 8]");
}

TEST(MenuScript, StampsShorterThanElevenCharactersAreShownWhole) {
  const auto script_lines = split_lines(build_menu_script(
      {menu_entry(u"07/23 9:05", u"A"), menu_entry(u"", u"B"), menu_entry(u"12345678901", u"C")}));
  EXPECT_EQ(script_lines[1],
            u"Entry: #menu0,\\m[10000,0,0]\\q0[#ent0][07/23 9:05 A]\\q1[#ent1][ B]\\q2[#ent2][12345678901 C]");
}

TEST(MenuScript, TitlesAndStampsCannotInjectScript) {
  struct Case { std::u16string stamp, title, shown; };
  const Case cases[] = {
      {u"2026/07/23 14:31", u"a]\\e\\m[1,2,3]", u"07/23 14:31 a］＼e＼m[1,2,3］"},
      {u"2026/07/23 14:31", u"100% &amp;quot;", u"07/23 14:31 100％ &quot;"},
      {u"2026/07/23 14:31", u"line\r\nEntry: #x,\\e", u"07/23 14:31 line  Entry: #x,＼e"},
      {u"2026/07/23 14:31", u"tab\tbell\x07" u"del\x7F" u"c1\x85", u"07/23 14:31 tab bell del c1 "},
      {u"2026/07/23 1\\:]%", u"t", u"07/23 1＼:］％ t"},
      {u"2026/07/23 14:31", u"[ok] 日本語 /～", u"07/23 14:31 [ok］ 日本語 /~"},
  };
  for (const Case& c : cases) {
    const auto script_lines = split_lines(build_menu_script({menu_entry(c.stamp, c.title)}));
    ASSERT_EQ(script_lines.size(), 3u);
    EXPECT_EQ(script_lines[1], u"Entry: #menu0,\\m[10000,0,0]\\q0[#ent0][" + c.shown + u"]");
  }
}

TEST(MenuSafeText, ReplacesOnlyTheUnsafeCharacters) {
  EXPECT_EQ(menu_safe_text(u"Tea & Cakes (1) [日本語] ~"), u"Tea & Cakes (1) [日本語］ ~");
}

}  // namespace
}  // namespace vesk
