// Where an FTP file transfer goes: the host, the directory to change to and
// the file name, derived from the `server` and `remote_path` parameters the
// way the address "ftp://" + server + "/" + remote_path is cut into parts.
#pragma once

#include <string>

namespace qv {

// "ftp://" and the "/" between server and remote path take 7 of the 99
// characters that an address may hold.
constexpr std::size_t kMaxFtpAddressChars = 92;

enum class FtpTargetError {
  kNone,           // the target was split
  kDirectoryPath,  // remote_path ends with "/": it names a directory
  kTooLong,        // server and remote_path exceed 92 characters together
};

struct FtpTarget {
  FtpTargetError error = FtpTargetError::kNone;
  std::string host_name;  // up to the first "/" behind "ftp://"
  std::string directory;  // between the host's "/" and the file name's "/"; may begin with "/"
  std::string file_name;  // after the last "/"
};

// Splits a transfer target. On an error the three parts are empty and the
// job must end before any network activity.
FtpTarget split_ftp_target(const std::string& server, const std::string& remote_path);

// True only for the transfer type "A" (ASCII); every other text is binary.
bool is_ascii_mode(const char* mode);

}  // namespace qv
