// Splitting of an FTP transfer target into host, directory and file name.
#include "transfer/core/ftp_target.h"

#include <cstring>

namespace qv {

FtpTarget split_ftp_target(const std::string& server, const std::string& remote_path) {
  FtpTarget target;
  if (!remote_path.empty() && remote_path.back() == '/') {
    target.error = FtpTargetError::kDirectoryPath;
    return target;
  }
  if (server.size() + remote_path.size() > kMaxFtpAddressChars) {
    target.error = FtpTargetError::kTooLong;
    return target;
  }
  const std::string ftp_url = "ftp://" + server + "/" + remote_path;
  constexpr std::size_t kHostStart = 6;  // just behind "ftp://"

  const std::size_t host_end = ftp_url.find('/', kHostStart);
  target.host_name = ftp_url.substr(kHostStart, host_end - kHostStart);

  const std::size_t last_slash = ftp_url.rfind('/');
  target.file_name = ftp_url.substr(last_slash + 1);

  // The directory lies between the "/" behind the host and the "/" in
  // front of the file name; it is empty when those are the same slash.
  const std::size_t dir_start = target.host_name.size() + kHostStart + 1;
  const std::size_t dir_end = ftp_url.size() - target.file_name.size() - 1;
  if (dir_start < dir_end) target.directory = ftp_url.substr(dir_start, dir_end - dir_start);
  return target;
}

bool is_ascii_mode(const char* mode) { return mode != nullptr && std::strcmp(mode, "A") == 0; }

}  // namespace qv
