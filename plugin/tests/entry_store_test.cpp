// Stored lines (field order, protection of awkward fields), reading the
// store back, and the stamp's numeric key.
#include "plugin/core/entry_store.h"

#include <gtest/gtest.h>

#include "plugin/tests/support/antenna_fixture.h"
#include "plugin/tests/support/cp932_codec.h"

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

std::vector<Entry> cut_two(const std::vector<Entry>& entries) {
  return std::vector<Entry>(entries.begin(), entries.begin() + 2);
}

TEST(ReadStore, EmptyOrTruncatedFiles) {
  const auto entries = fixture::make_entries(3);
  const std::u16string text = store_text(entries);
  EXPECT_TRUE(read_store(u"").empty());
  EXPECT_EQ(store_text({}), u"");
  // Cut inside the third record: the two complete ones remain.
  EXPECT_EQ(read_store(text.substr(0, text.size() - 8)), cut_two(entries));
  // A record missing its last field entirely.
  EXPECT_EQ(read_store(u"a,b,c,d").size(), 0u);
  // Without its line end the last record may have lost part of its note.
  EXPECT_EQ(read_store(text.substr(0, text.size() - 2)), cut_two(entries));
  EXPECT_EQ(read_store(text.substr(0, text.size() - 1)), cut_two(entries));
}

TEST(ReadStore, EveryTruncationGivesLeadingRecords) {
  const std::vector<Entry> entries = {
      Entry{u"2026/07/23 14:31", u"http://a.example/1", u"by, line", u"\"quoted\" title", u"note\r\nmore"},
      Entry{u"2026/07/23 14:00", u"http://a.example/2", u" b", u"t", u""},
      Entry{u"2026/07/22 09:00", u"http://a.example/3", u"b", u"t", u"n"},
  };
  const std::u16string text = store_text(entries);
  for (std::size_t n = 0; n <= text.size(); ++n) {
    const std::vector<Entry> back = read_store(std::u16string_view(text).substr(0, n));
    ASSERT_LE(back.size(), entries.size());
    for (std::size_t i = 0; i < back.size(); ++i) EXPECT_EQ(back[i], entries[i]);
  }
  EXPECT_EQ(read_store(text), entries);
}

TEST(ReadStore, RoundTripThroughTheCodePage) {
  fixture::Cp932Codec codec;
  const std::vector<Entry> entries = {
      Entry{u"2026/07/23 14:31", u"http://a.example/日本/", u"更新者, 一", u"庭の日記 &amp; お茶", u"３行追加"},
      Entry{u"2026/07/23 12:05", u"http://a.example/～", u"\"引用\"", u"ﾊﾝｶｸ", u" 先頭の空白"},
  };
  bool lossy = true;
  const std::string bytes = codec.encode(store_text(entries), &lossy);
  ASSERT_FALSE(lossy);
  EXPECT_EQ(read_store(codec.decode(bytes)), entries);
}

TEST(ReadStore, FieldsBeyondTheFifthArePassedOver) {
  const std::vector<Entry> back = read_store(u"s1,u1,t1,b1,n1,extra,more\r\ns2,u2,t2,b2,n2\r\n");
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(back[0], (Entry{u"s1", u"u1", u"b1", u"t1", u"n1"}));
  EXPECT_EQ(back[1], (Entry{u"s2", u"u2", u"b2", u"t2", u"n2"}));
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
