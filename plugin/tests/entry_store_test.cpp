// Stored lines (field order, protection of awkward fields), reading the
// store back, and the stamp's numeric key.
#include "plugin/core/entry_store.h"

#include <gtest/gtest.h>

#include "plugin/tests/support/antenna_fixture.h"

namespace vesk {
namespace {

TEST(StoredLine, PlainFieldsInStoredOrder) {
  const Entry e{u"2026/07/23 14:31", u"http://a.example/", u"Hanako", u"Tea &amp; Cakes", u"3行"};
  EXPECT_EQ(stored_line(e), u"2026/07/23 14:31,http://a.example/,Tea &amp; Cakes,Hanako,3行\r\n");
  EXPECT_EQ(stored_line(Entry{}), u",,,,\r\n");
}

TEST(StoredLine, PlainFieldsWithQuotesInsideOrTrailingBlanksStayUnquoted) {
  const Entry e{u"s", u"u", u"b ", u"say \"hi\"", u"n"};
  EXPECT_EQ(stored_line(e), u"s,u,say \"hi\",b ,n\r\n");
}

TEST(StoredLine, AwkwardFieldsAreQuotedAndReadBackWhole) {
  const std::u16string awkward[] = {u"a,b", u"x\r\ny", u"line\nfeed", u"cr\ronly", u"\"quoted\"",
                                    u"\"", u" leading", u"mid \"q\", comma", u"\"\""};
  for (const std::u16string& f : awkward) {
    const Entry e{f, u"http://a.example/" + f, f + u"b", u"t" + f, f};
    const std::u16string line = stored_line(e);
    EXPECT_EQ(line.substr(0, 1), u"\"");
    const std::vector<Entry> back = read_store(line + stored_line(e));
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0], e);
    EXPECT_EQ(back[1], e);
  }
}

TEST(ReadStore, RoundTripOfAPage) {
  const auto entries = fixture::make_entries(25);
  EXPECT_EQ(read_store(store_text(entries)), entries);
}

TEST(ReadStore, EmptyOrTruncatedFiles) {
  const auto entries = fixture::make_entries(3);
  const std::u16string text = store_text(entries);
  EXPECT_TRUE(read_store(u"").empty());
  EXPECT_EQ(store_text({}), u"");
  // Cut inside the third record: the two complete ones remain.
  const std::u16string cut = text.substr(0, text.size() - 8);
  EXPECT_EQ(read_store(cut), std::vector<Entry>(entries.begin(), entries.begin() + 2));
  // A record missing its last field entirely.
  EXPECT_EQ(read_store(u"a,b,c,d").size(), 0u);
  // A file without a final line end still yields its last record.
  EXPECT_EQ(read_store(text.substr(0, text.size() - 2)), entries);
}

TEST(ReadStore, StopsAtTheRecordLimit) {
  const auto entries = fixture::make_entries(kMaxEntries + 3);
  const std::vector<Entry> back = read_store(store_text(entries));
  ASSERT_EQ(back.size(), static_cast<std::size_t>(kMaxEntries));
  EXPECT_EQ(back.back(), entries[kMaxEntries - 1]);
}

TEST(StampValue, Table) {
  const std::pair<std::u16string, std::int64_t> cases[] = {
      {u"2026/07/23 14:31", 202607231431},
      {u"1999/12/31 23:59", 199912312359},
      {u"2026-07-01 00:00", 202607010000},  // separators are never looked at
      {u"2026/07/23", 20260723},             // shorter stamps give fewer digits
      {u"2026/07/23 1", 202607231},
      {u"", 0},
      {u"abcd/07/23 14:31", 0},               // no leading digit
      {u"20x6/07/23 14:31", 20},              // reading stops at a non-digit
      {u" 026/07/23 14:31", 2607231431},     // blanks are ignored ...
      {u"2026/ 7/23 14:31", 20267231431},    // ... also inside the number
      {u"2026/07/23 14:31 extra", 202607231431},
  };
  for (const auto& [stamp, value] : cases) EXPECT_EQ(stamp_value(stamp), value);
}

}  // namespace
}  // namespace vesk
