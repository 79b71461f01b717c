// An FTP server's replies arrive in pieces of any size and hold anything.
// The reply reader, fed the input in chunks whose sizes the input chooses,
// keeps every reply within its area and returns the bytes it was given in
// order; the directory line of a PWD reply always fits its area; the path
// splits put every byte of the path in exactly one part.
#include <cstdint>
#include <algorithm>
#include <cstring>
#include <string>

#include "testing/fuzz/fuzz_text.h"
#include "transfer/core/ftp_command_text.h"
#include "transfer/core/ftp_pwd.h"
#include "transfer/core/ftp_reply.h"
#include "transfer/core/ftp_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t chunk = 1 + data[0] % 64;
  std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  static qv::FtpReplyReader reader;  // large; one instance reused, reset below
  reader = qv::FtpReplyReader();
  std::size_t fed = 0;
  while (fed < text.size()) {
    std::size_t n = std::min({chunk, reader.input_room(), text.size() - fed});
    FUZZ_CHECK(n > 0);
    std::memcpy(reader.input_space(), text.data() + fed, n);
    reader.input_added(n);
    fed += n;
    while (reader.poll()) {
      FUZZ_CHECK(reader.text().size() <= qv::FtpReplyReader::kReplyKeep);
      FUZZ_CHECK(reader.has_bytes());
    }
  }
  (void)reader.end_partial_line();

  qv::DirectoryLine line = qv::directory_line(text);
  FUZZ_CHECK(line.size + 1 <= sizeof line.bytes);
  FUZZ_CHECK(line.view().size() >= 2 && line.view().substr(line.size - 2) == "\r\n");
  FUZZ_CHECK(line.bytes[line.size] == '\0');

  qv::RemotePath path = qv::split_remote_path(text);
  FUZZ_CHECK(path.directory.size() + path.name.size() == text.size());
  FUZZ_CHECK(path.name.find('/') == std::string_view::npos);

  std::size_t cut = text.find('\0');
  std::string server(text.substr(0, cut));
  std::string remote(cut == std::string_view::npos ? std::string_view() : text.substr(cut + 1));
  qv::FtpTarget target = qv::split_ftp_target(server, remote);
  FUZZ_CHECK(target.file_name.find('/') == std::string::npos);
  FUZZ_CHECK(target.host_name.find('/') == std::string::npos);
  return 0;
}
