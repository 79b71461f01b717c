// The page parser: list region, back-to-back items, fields by position and
// marker, and the handling of pages that depart from the layout.
#include "plugin/core/page_parser.h"

#include <gtest/gtest.h>

#include "plugin/core/field_reader.h"
#include "plugin/tests/support/antenna_fixture.h"
#include "plugin/tests/support/cp932_codec.h"

namespace vesk {
namespace {

using fixture::item_text;
using fixture::make_entries;
using fixture::page_text;

TEST(PageParser, ThreeAdjacentItemsInPageOrder) {
  const auto entries = make_entries(3);
  const PageParse parse = parse_page(page_text(entries));
  EXPECT_TRUE(parse.has_list);
  EXPECT_EQ(parse.entries, entries);
}

TEST(PageParser, FieldsOfOneItemByPosition) {
  const std::u16string page =
      u"<UL><LI>2026/07/23 14:31 <A HREF=\"/antenna/jump.cgi?id=000&u=http://a.example/x\">\u25C7</A> "
      u"<A HREF=\"http://a.example/x\">Tea &amp; Cakes</A> &nbsp;&nbsp;Hanako<SMALL>3 lines</SMALL> tail</LI></UL>";
  const PageParse parse = parse_page(page);
  ASSERT_EQ(parse.entries.size(), 1u);
  const Entry& e = parse.entries[0];
  EXPECT_EQ(e.stamp, u"2026/07/23 14:31");
  EXPECT_EQ(e.url, u"http://a.example/x");
  EXPECT_EQ(e.title, u"Tea &amp; Cakes");  // references stay as on the page
  EXPECT_EQ(e.byline, u"Hanako");
  EXPECT_EQ(e.note, u"3 lines");
}

TEST(PageParser, PositionsCountCharactersNotBytes) {
  Entry e{u"２０２６/07/23 14:31", u"http://a.example/日本", u"著者", u"題名", u"注"};
  const PageParse parse = parse_page(u"<UL><LI>" + item_text(e) + u"</LI></UL>");
  ASSERT_EQ(parse.entries.size(), 1u);
  EXPECT_EQ(parse.entries[0], e);
}

TEST(PageParser, TextAfterTheLastItemAndOutsideTheRegionIsIgnored) {
  const auto entries = make_entries(2);
  std::u16string page = page_text(entries);
  page.insert(page.find(u"</UL>"), u"trailing text");
  page += u"<UL><LI>" + item_text(make_entries(3)[2]) + u"</LI></UL>";
  const PageParse parse = parse_page(page);
  EXPECT_EQ(parse.entries, entries);
}

TEST(PageParser, LineBreaksAndBlanksBetweenItemsAreSkipped) {
  const auto entries = make_entries(4);
  for (const std::u16string gap : {u"\r\n", u"\n", u"  \t", u"\r\n    \r\n"}) {
    std::u16string page = page_text(entries, gap);
    page.insert(page.find(u"<UL>") + 4, gap);  // before the first item too
    const PageParse parse = parse_page(page);
    EXPECT_EQ(parse.entries, entries);
  }
}

TEST(PageParser, RegionPresenceIsReported) {
  struct Case { std::u16string text; bool has_list; std::size_t count; };
  const Case cases[] = {
      {u"", false, 0},
      {u"<HTML>404 Not Found</HTML>", false, 0},
      {u"<UL><LI>x</LI>", false, 0},             // no end of the list
      {u"</UL> ... <UL>", false, 0},             // the end comes first
      {u"<UL></UL>", true, 0},                   // a list with no items
      {u"<UL>no items here</UL>", true, 0},
      {u"</UL><UL><LI>" + item_text(make_entries(1)[0]) + u"</LI></UL>", true, 1},
  };
  for (const Case& c : cases) {
    const PageParse parse = parse_page(c.text);
    EXPECT_EQ(parse.has_list, c.has_list);
    EXPECT_EQ(parse.entries.size(), c.count);
  }
}

TEST(PageParser, MalformedItemsAreSkipped) {
  const auto good = make_entries(2);
  const std::u16string a = item_text(good[0]);
  std::u16string no_marker = a;
  no_marker.replace(no_marker.find(u"\">\u25C7"), 3, u"\">*");
  const std::u16string broken[] = {
      u"",                                            // "</LI></LI>"
      u"x",                                           // fewer than four characters
      u"<LI>",                                        // an empty item
      u"<LI>2026/07/23 14:31",                        // nothing after the stamp
      u"<LI>" + no_marker,                            // no address end marker
      u"<LI>2026/07/23 14:31 \">\u25C7 <A>t</A> &nbsp;&nbsp;b<SMALL>n</SMALL>",  // marker before 54
      u"<LI>" + a.substr(0, a.find(u"<A HREF=\"http")),                      // no second address
      u"<LI>" + a.substr(0, a.find(u"</A> &nbsp;")),                          // no "</A>"
      u"<LI>" + a.substr(0, a.find(u"&nbsp;")),                              // no "&nbsp;&nbsp;"
      u"<LI>" + a.substr(0, a.find(u"<SMALL>")),                             // no "<SMALL>"
      u"<LI>" + a.substr(0, a.find(u"</SMALL>")),                            // no "</SMALL>"
  };
  for (const std::u16string& bad : broken) {
    const std::u16string page = u"<UL><LI>" + item_text(good[0]) + u"</LI>" + bad + u"</LI><LI>" +
                                item_text(good[1]) + u"</LI></UL>";
    const PageParse parse = parse_page(page);
    EXPECT_TRUE(parse.has_list);
    EXPECT_EQ(parse.entries, good);
  }
}

TEST(PageParser, EndsOnTextThatStopsInsideAnItem) {
  const std::u16string cut_short[] = {u"<UL><LI>2026</UL>", u"<UL></LI></UL>", u"<UL>abc</LI>x</UL>",
                                      u"<UL>\r\n\r\n</UL>"};
  for (const std::u16string& text : cut_short) {
    const PageParse parse = parse_page(text);
    EXPECT_TRUE(parse.has_list);
    EXPECT_TRUE(parse.entries.empty());
  }
}

TEST(PageParser, StopsAtTheEntryLimit) {
  const auto entries = make_entries(kMaxEntries + 5);
  const PageParse parse = parse_page(page_text(entries, u"\n"));
  ASSERT_EQ(parse.entries.size(), static_cast<std::size_t>(kMaxEntries));
  EXPECT_EQ(parse.entries.back(), entries[kMaxEntries - 1]);
}

TEST(PageParser, EveryTruncationGivesLeadingEntriesOrNoList) {
  const auto entries = make_entries(3);
  const std::u16string page = page_text(entries, u"\r\n");
  for (std::size_t n = 0; n <= page.size(); ++n) {
    const PageParse parse = parse_page(std::u16string_view(page).substr(0, n));
    ASSERT_LE(parse.entries.size(), entries.size());
    if (!parse.has_list) {
      EXPECT_TRUE(parse.entries.empty());
    }
    for (std::size_t i = 0; i < parse.entries.size(); ++i) EXPECT_EQ(parse.entries[i], entries[i]);
  }
}

TEST(PageParser, ConvertedPageFileReadsAndParsesWhole) {
  // The check reads the first field of the converted file: a page with LF
  // line ends and Japanese text in code page 932 reaches the parser whole.
  fixture::Cp932Codec codec;
  const auto entries = make_entries(12);
  bool lossy = true;
  const std::string bytes = codec.encode(page_text(entries, u"\n"), &lossy);
  ASSERT_FALSE(lossy);
  const PageParse parse = parse_page(first_field(codec.decode(bytes)));
  EXPECT_TRUE(parse.has_list);
  EXPECT_EQ(parse.entries, entries);
}

}  // namespace
}  // namespace vesk
