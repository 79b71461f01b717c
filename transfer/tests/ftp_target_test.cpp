// Splitting of FTP transfer targets into host, directory and file name.
#include "transfer/core/ftp_target.h"

#include <gtest/gtest.h>

#include <string>

namespace qv {
namespace {

struct SplitRow {
  const char* server;
  const char* remote_path;
  const char* host_name;
  const char* directory;
  const char* file_name;
};

TEST(SplitFtpTarget, CutsTheAddressIntoParts) {
  const SplitRow rows[] = {
      {"srv", "readme.txt", "srv", "", "readme.txt"},
      {"srv", "pub/doc/readme.txt", "srv", "pub/doc", "readme.txt"},
      {"srv", "/pub/readme.txt", "srv", "/pub", "readme.txt"},
      {"srv", "/readme.txt", "srv", "", "readme.txt"},
      {"srv/pub", "doc/readme.txt", "srv", "pub/doc", "readme.txt"},
      {"", "a/f.txt", "", "a", "f.txt"},
      {"srv", "", "srv", "", ""},
      {"127.0.0.21", "a//b/c.bin", "127.0.0.21", "a//b", "c.bin"},
  };
  for (const SplitRow& row : rows) {
    SCOPED_TRACE(std::string(row.server) + " | " + row.remote_path);
    const FtpTarget t = split_ftp_target(row.server, row.remote_path);
    EXPECT_EQ(t.error, FtpTargetError::kNone);
    EXPECT_EQ(t.host_name, row.host_name);
    EXPECT_EQ(t.directory, row.directory);
    EXPECT_EQ(t.file_name, row.file_name);
  }
}

TEST(SplitFtpTarget, RefusesADirectoryPath) {
  for (const char* path : {"pub/", "/", "a/b/"}) {
    const FtpTarget t = split_ftp_target("srv", path);
    EXPECT_EQ(t.error, FtpTargetError::kDirectoryPath) << path;
    EXPECT_TRUE(t.host_name.empty() && t.directory.empty() && t.file_name.empty());
  }
}

TEST(SplitFtpTarget, AddressLimitIs92CharactersOfServerAndPath) {
  const std::string server(40, 's');
  const FtpTarget fits = split_ftp_target(server, std::string(52, 'p'));
  EXPECT_EQ(fits.error, FtpTargetError::kNone);
  EXPECT_EQ(fits.file_name, std::string(52, 'p'));
  EXPECT_EQ(split_ftp_target(server, std::string(53, 'p')).error, FtpTargetError::kTooLong);
  // A directory path is refused first, whatever its length.
  EXPECT_EQ(split_ftp_target(server, std::string(80, 'p') + "/").error, FtpTargetError::kDirectoryPath);
}

TEST(IsAsciiMode, OnlyACapitalAIsAscii) {
  EXPECT_TRUE(is_ascii_mode("A"));
  for (const char* mode : {"a", "ASCII", "", "I", "A "}) EXPECT_FALSE(is_ascii_mode(mode)) << mode;
  EXPECT_FALSE(is_ascii_mode(nullptr));
}

}  // namespace
}  // namespace qv
