// Sequential field input: separators, quoted fields, blanks, the end of the
// text.
#include "plugin/core/field_reader.h"

#include <gtest/gtest.h>

#include <vector>

namespace vesk {
namespace {

std::vector<std::u16string> all_fields(std::u16string_view text) {
  FieldReader reader(text);
  std::vector<std::u16string> fields;
  std::u16string f;
  while (reader.next(f)) fields.push_back(f);
  EXPECT_TRUE(reader.at_end());
  return fields;
}

TEST(FieldReader, Table) {
  using V = std::vector<std::u16string>;
  const std::pair<std::u16string, V> cases[] = {
      {u"", {}},
      {u"a,b\r\nc,d\r\n", {u"a", u"b", u"c", u"d"}},
      {u"a,b", {u"a", u"b"}},                          // no final line end
      {u"a,,b\r\n", {u"a", u"", u"b"}},                // an empty field
      {u"a,\r\n", {u"a", u""}},
      {u"   a,  b \r\n", {u"a", u"b "}},               // leading blanks skipped, trailing kept
      {u"\"x,y\",z\r\n", {u"x,y", u"z"}},              // quoted comma
      {u"\"x\r\ny\"\r\nz", {u"x\r\ny", u"z"}},         // quoted line end
      {u"\"say \"\"hi\"\"\",n", {u"say \"hi\"", u"n"}},  // doubled quote
      {u"\"a\"junk,b", {u"a", u"b"}},                  // text after the closing quote skipped
      {u"\"unterminated,x", {u"unterminated,x"}},
      {u"  \"q\" ,r", {u"q", u"r"}},
      {u"a\nb,c\rd\r\n", {u"a\nb", u"c\rd"}},          // a lone LF or CR is part of the field
      {u"日本,語\r\n", {u"日本", u"語"}},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(all_fields(text), expected);
}

TEST(FieldReader, AskingAtTheEndFails) {
  FieldReader reader(u"one\r\n");
  std::u16string f;
  ASSERT_TRUE(reader.next(f));
  EXPECT_EQ(f, u"one");
  EXPECT_TRUE(reader.at_end());
  f = u"stale";
  EXPECT_FALSE(reader.next(f));
  EXPECT_EQ(f, u"");
}

TEST(FieldReader, TellsWhetherAFieldEndedItsLine) {
  FieldReader reader(u"a,\"b\"\r\n\"c\"x,d");
  std::u16string f;
  const bool expected[] = {false, true, false, false};
  for (bool line_ended : expected) {
    ASSERT_TRUE(reader.next(f));
    EXPECT_EQ(reader.line_ended(), line_ended) << "after " << std::string(f.begin(), f.end());
  }
  EXPECT_FALSE(reader.next(f));
  EXPECT_FALSE(reader.line_ended());
}

TEST(FirstField, IsTheConvertedPageUpToTheFirstCommaOrLineEnd) {
  EXPECT_EQ(first_field(u"  <HTML>\n<UL>x</UL>\r\nrest"), u"<HTML>\n<UL>x</UL>");
  EXPECT_EQ(first_field(u"<A>,<B>"), u"<A>");
  EXPECT_EQ(first_field(u"\"<HTML>\"tail"), u"<HTML>");
  EXPECT_EQ(first_field(u""), u"");
}

}  // namespace
}  // namespace vesk
