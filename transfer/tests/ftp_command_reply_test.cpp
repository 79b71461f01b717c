// Reply code reading and the whole-reply reader of the FTP command job:
// replies in pieces, several replies in one receive, multi-line replies and
// replies longer than the reader keeps.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "transfer/core/ftp_reply.h"

namespace qv {
namespace {

TEST(FtpReplyCode, ReadsTheFirstThreeBytesAsANumber) {
  struct Row { std::string_view text; int code; };
  const Row rows[] = {
      {"220 Ready\r\n", 220}, {"230-Welcome\r\n", 230}, {"331 Password\r\n", 331},
      {"abc", 0},             {"", 0},                  {"5", 5},
      {" 25x", 25},           {"-12", -12},             {"+7", 7},
      {"2a0", 2},             {"1234", 123},            {"\t\n9", 9},
  };
  for (const Row& row : rows) EXPECT_EQ(reply_code(row.text), row.code) << row.text;
}

// Feeds `chunks` one receive each; returns every whole reply as "code|text".
std::vector<std::string> replies_of(FtpReplyReader& reader, const std::vector<std::string>& chunks) {
  std::vector<std::string> out;
  for (const std::string& chunk : chunks) {
    std::size_t done = 0;
    while (done < chunk.size()) {
      const std::size_t take = std::min(reader.input_room(), chunk.size() - done);
      std::memcpy(reader.input_space(), chunk.data() + done, take);
      reader.input_added(take);
      done += take;
      while (reader.poll()) out.push_back(std::to_string(reader.code()) + "|" + std::string(reader.text()));
    }
  }
  return out;
}

TEST(FtpReplyReader, CollectsWholeReplies) {
  struct Row {
    const char* what;
    std::vector<std::string> chunks;
    std::vector<std::string> replies;
  };
  const std::vector<Row> rows = {
      {"one reply", {"220 Ready\r\n"}, {"220|220 Ready\r\n"}},
      {"in pieces", {"22", "0 Rea", "dy\r", "\n"}, {"220|220 Ready\r\n"}},
      {"two in one receive", {"250 Ok\r\n257 \"/pub\"\r\n"}, {"250|250 Ok\r\n", "257|257 \"/pub\"\r\n"}},
      {"multi-line", {"230-Welcome\r\n230-Be nice\r\n230 Logged in\r\n"},
       {"230|230-Welcome\r\n230-Be nice\r\n230 Logged in\r\n"}},
      {"multi-line with inner code-like lines",
       {"211-Status\r\n 211 not the end\r\n200 other code\r\n211-still\r\n211 End\r\n"},
       {"211|211-Status\r\n 211 not the end\r\n200 other code\r\n211-still\r\n211 End\r\n"}},
      {"multi-line then the next reply", {"220-Hi\r\n220 Go\r\n331 Pass"}, {"220|220-Hi\r\n220 Go\r\n"}},
      {"bare code line", {"220\r\n"}, {"220|220\r\n"}},
      {"LF alone ends a line", {"221 Bye\n"}, {"221|221 Bye\n"}},
      {"no reply line", {"hello there\r\n"}, {"0|hello there\r\n"}},
      {"bare line ends before a reply", {"\r\n\n220 Hi\r\n"}, {"220|220 Hi\r\n"}},
      {"blank line inside a multi-line reply", {"220-Hi\r\n\r\n220 Go\r\n"}, {"220|220-Hi\r\n\r\n220 Go\r\n"}},
      {"no line end yet", {"220 Ready"}, {}},
  };
  for (const Row& row : rows) {
    FtpReplyReader reader;
    EXPECT_EQ(replies_of(reader, row.chunks), row.replies) << row.what;
  }
}

TEST(FtpReplyReader, KeepsBytesAfterAReplyForTheNext) {
  FtpReplyReader reader;
  EXPECT_EQ(replies_of(reader, {"220-Hi\r\n220 Go\r\n331 Pa"}).size(), 1u);
  EXPECT_EQ(replies_of(reader, {"ss\r\n"}), std::vector<std::string>{"331|331 Pass\r\n"});
}

TEST(FtpReplyReader, PartialMultiLineReplyShowsItsCodeAndFirstLine) {
  FtpReplyReader reader;
  EXPECT_TRUE(replies_of(reader, {"220-Welcome\r\n220-"}).empty());
  EXPECT_TRUE(reader.has_line());
  EXPECT_EQ(reader.code(), 220);
  EXPECT_EQ(replies_of(reader, {"more\r\n220 Ready\r\n"}),
            std::vector<std::string>{"220|220-Welcome\r\n220-more\r\n220 Ready\r\n"});
}

TEST(FtpReplyReader, ALineEndedEarlyCountsAsWhole) {
  struct Row { std::string_view what, partial; bool completes; int code; };
  const Row rows[] = {
      {"final line without its end", "220 Ready", true, 220},
      {"bare code", "220", true, 220},
      {"first line of a multi-line reply", "220-Welc", false, 220},
      {"no reply line", "2", true, 2},
  };
  for (const Row& row : rows) {
    FtpReplyReader reader;
    EXPECT_TRUE(replies_of(reader, {std::string(row.partial)}).empty()) << row.what;
    EXPECT_TRUE(reader.has_bytes()) << row.what;
    EXPECT_EQ(reader.end_partial_line(), row.completes) << row.what;
    EXPECT_EQ(reader.code(), row.code) << row.what;
  }
  // The late end of the line, and then the next reply.
  FtpReplyReader reader;
  replies_of(reader, {"220 Ready"});
  ASSERT_TRUE(reader.end_partial_line());
  EXPECT_EQ(replies_of(reader, {"\r\n331 Password\r\n"}), std::vector<std::string>{"331|331 Password\r\n"});
}

TEST(FtpReplyReader, NothingInHandHasNoBytes) {
  FtpReplyReader reader;
  EXPECT_FALSE(reader.has_bytes());
  EXPECT_FALSE(reader.end_partial_line());
  EXPECT_EQ(reader.code(), 0);
}

TEST(FtpReplyReader, ReadsAnOverlongReplyThroughWithoutLosingTheNext) {
  FtpReplyReader reader;
  std::string reply = "250-";
  reply += std::string(3 * BLOCK_SIZE, 'x');
  reply += "\r\n250 Done\r\n";
  std::vector<std::string> chunks;
  for (std::size_t at = 0; at < reply.size(); at += 4000) chunks.push_back(reply.substr(at, 4000));
  chunks.push_back("257 \"/next\"\r\n");
  std::vector<std::string> got;
  std::vector<bool> truncated;
  for (const std::string& chunk : chunks) {
    std::memcpy(reader.input_space(), chunk.data(), chunk.size());
    reader.input_added(chunk.size());
    while (reader.poll()) {
      got.push_back(std::string(reader.text()));
      truncated.push_back(reader.truncated());
    }
  }
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got[0].size(), FtpReplyReader::kReplyKeep);
  EXPECT_EQ(got[0].substr(0, 5), "250-x");
  EXPECT_TRUE(truncated[0]);
  EXPECT_EQ(got[1], "257 \"/next\"\r\n");
  EXPECT_FALSE(truncated[1]);
}

TEST(FtpReplyReader, FullInputBufferOfOneLineLeavesRoom) {
  FtpReplyReader reader;
  std::memset(reader.input_space(), 'y', reader.input_room());
  reader.input_added(reader.input_room());
  EXPECT_FALSE(reader.poll());
  EXPECT_EQ(reader.input_room(), FtpReplyReader::kInputSize);
}

}  // namespace
}  // namespace qv
