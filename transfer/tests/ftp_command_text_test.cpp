// Pure rules of the FTP command job: remote path split, parameter check,
// command words, the PWD directory line, the data port and the PORT line.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <string_view>

#include "transfer/core/ftp_command_text.h"
#include "transfer/core/ftp_command_word.h"
#include "transfer/core/ftp_port.h"
#include "transfer/core/ftp_pwd.h"

namespace qv {
namespace {

TEST(FtpRemotePath, SplitsAtTheLastSlash) {
  struct Row { std::string_view path, directory, name; };
  const Row rows[] = {
      {"/pub/docs/old.txt", "/pub/docs/", "old.txt"},
      {"/pub/old.txt", "/pub/", "old.txt"},
      {"old.txt", "", "old.txt"},
      {"/pub/docs/", "/pub/docs/", ""},
      {"/", "/", ""},
      {"", "", ""},
  };
  for (const Row& row : rows) {
    const RemotePath split = split_remote_path(row.path);
    EXPECT_EQ(split.directory, row.directory) << row.path;
    EXPECT_EQ(split.name, row.name) << row.path;
  }
}

TEST(FtpParams, ALineBreakInAnyParameterIsFound) {
  EXPECT_FALSE(params_have_line_break(JobParams{}));
  for (int field = 0; field < 6; ++field) {
    for (const char* bad : {"x\r\nDELE y", "a\rb", "a\nb"}) {
      JobParams params{};
      char* buffers[] = {params.server, params.user, params.password, params.remote_path, params.mode,
                         params.local_file};
      std::strcpy(buffers[field], bad);
      EXPECT_TRUE(params_have_line_break(params)) << field << " " << bad;
    }
  }
  JobParams clean{};
  std::strcpy(clean.server, "127.0.0.31");
  std::strcpy(clean.remote_path, "/pub/a b.txt");
  EXPECT_FALSE(params_have_line_break(clean));
}

TEST(FtpParams, AnUnterminatedBufferCountsNinetyNineBytes) {
  char buffer[kParamSize];
  std::memset(buffer, 'a', sizeof buffer);
  EXPECT_EQ(param_text(buffer).size(), kParamSize - 1);
}

TEST(FtpCommandLine, JoinsPiecesAndEndsWithCrLf) {
  EXPECT_EQ(command_line({"USER ", "anna"}).view(), "USER anna\r\n");
  EXPECT_EQ(command_line({"CWD ", ""}).view(), "CWD \r\n");
  EXPECT_EQ(command_line({"PWD"}).view(), "PWD\r\n");
  const std::string big(400, 'z');
  const CommandText cut = command_line({"PASS ", big});
  EXPECT_EQ(cut.size, CommandText::kCapacity);
  EXPECT_EQ(cut.view().substr(cut.size - 2), "\r\n");
}

TEST(FtpCommandWord, ChoosesOneActionAndItsLine) {
  struct Row { std::string_view word; FtpAction action; std::string_view line; int done; };
  const Row rows[] = {
      {"del", FtpAction::delete_file, "DELE old.txt\r\n", 250},
      {"mkdir", FtpAction::make_directory, "MKD old.txt\r\n", 257},
      {"rmdir", FtpAction::remove_directory, "RMD old.txt\r\n", 250},
      {"644", FtpAction::change_mode, "SITE CHMOD 644 old.txt\r\n", 200},
      {"755x", FtpAction::change_mode, "SITE CHMOD 755x old.txt\r\n", 200},
      {"0644", FtpAction::change_mode, "SITE CHMOD 0644 old.txt\r\n", 200},
      {" +7", FtpAction::change_mode, "SITE CHMOD  +7 old.txt\r\n", 200},
      {"DEL", FtpAction::none, "", 0},
      {"Del", FtpAction::none, "", 0},
      {"del ", FtpAction::none, "", 0},
      {"0", FtpAction::none, "", 0},
      {"000", FtpAction::none, "", 0},
      {"-0", FtpAction::none, "", 0},
      {"x755", FtpAction::none, "", 0},
      {"", FtpAction::none, "", 0},
  };
  for (const Row& row : rows) {
    const FtpAction action = action_for_word(row.word);
    EXPECT_EQ(action, row.action) << row.word;
    if (action == FtpAction::none) continue;
    EXPECT_EQ(action_command(action, row.word, "old.txt").view(), row.line) << row.word;
    EXPECT_EQ(action_done_code(action), row.done) << row.word;
  }
}

TEST(FtpCommandWord, LongNumbersDoNotOverflow) {
  EXPECT_TRUE(word_number_is_nonzero(std::string(98, '9')));
  EXPECT_FALSE(word_number_is_nonzero(std::string(98, '0')));
  EXPECT_TRUE(word_number_is_nonzero(std::string(97, '0') + "1"));
}

TEST(FtpPwd, TakesTheQuotedDirectory) {
  struct Row { std::string_view reply, line; };
  const Row rows[] = {
      {"257 \"/pub/docs\" is the current directory\r\n", "/pub/docs\r\n"},
      {"257 \"/\"\r\n", "/\r\n"},
      {"257 current directory is /pub\r\n", "\r\n"},
      {"257 \"/a\"\"b\" is current\r\n", "/a\r\n"},
      {"257 \"/open\r\n", "/open\r\n"},
      {"257 \"/open", "/open\r\n"},
      {"257-\"/first\"\r\n257 \"/second\"\r\n", "/first\r\n"},
      {"", "\r\n"},
  };
  for (const Row& row : rows) {
    const DirectoryLine line = directory_line(row.reply);
    EXPECT_EQ(line.view(), row.line) << row.reply;
    EXPECT_EQ(line.bytes[line.size], '\0');
  }
}

// Found by fuzzing: a reply without quotes gave an empty directory whose
// null data pointer went to memcpy. The sanitized run of these tests sees it.
TEST(FtpPwd, RegressionReplyWithoutQuotesCopiesNothing) {
  const DirectoryLine line = directory_line("257 no quotes here");
  EXPECT_EQ(line.view(), "\r\n");
  EXPECT_EQ(pwd_directory("257 no quotes here").size(), 0u);
}

TEST(FtpPwd, CutsALongDirectoryToFitItsArea) {
  const std::string directory = "/" + std::string(150, 'd');
  const DirectoryLine line = directory_line("257 \"" + directory + "\"\r\n");
  EXPECT_EQ(line.size, DirectoryLine::kMaxDirectory + 2);
  EXPECT_EQ(line.view(), directory.substr(0, 97) + "\r\n");
  EXPECT_EQ(line.size + 1, kParamSize);
}

TEST(FtpPort, DataPortLiesInItsRange) {
  struct Row { int draw; std::uint16_t port; };
  const Row rows[] = {{0, 1025}, {75, 1100}, {254, 1279}, {255, 1025}, {32767, 1025 + 32767 % 255}};
  for (const Row& row : rows) EXPECT_EQ(data_port_for_draw(row.draw), row.port) << row.draw;
  for (int draw = 0; draw <= 32767; ++draw) {
    const std::uint16_t port = data_port_for_draw(draw);
    ASSERT_GE(port, 1025);
    ASSERT_LE(port, 1279);
    ASSERT_EQ(port / 256, 4);
  }
}

TEST(FtpPort, NextPortsWalkTheWholeRangeOnce) {
  EXPECT_EQ(next_data_port(1025), 1026);
  EXPECT_EQ(next_data_port(1279), 1025);
  std::uint16_t port = 1100;
  bool seen[kDataPortCount] = {};
  for (int i = 0; i < kDataPortCount; ++i) {
    ASSERT_FALSE(seen[port - kDataPortFirst]) << port;
    seen[port - kDataPortFirst] = true;
    port = next_data_port(port);
  }
  EXPECT_EQ(port, 1100);
}

TEST(FtpPort, FormatsThePortLine) {
  struct Row { std::array<std::uint8_t, 4> address; std::uint16_t port; std::string_view line; };
  const Row rows[] = {
      {{10, 0, 0, 7}, 1100, "PORT 10,0,0,7,4,76\r\n"},
      {{127, 0, 0, 31}, 1025, "PORT 127,0,0,31,4,1\r\n"},
      {{255, 255, 255, 255}, 1279, "PORT 255,255,255,255,4,255\r\n"},
      {{192, 168, 1, 20}, 1024 + 256, "PORT 192,168,1,20,5,0\r\n"},
  };
  for (const Row& row : rows) EXPECT_EQ(port_command(row.address, row.port).view(), row.line);
}

}  // namespace
}  // namespace qv
