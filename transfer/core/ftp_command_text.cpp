// Parameter texts, the remote path split and command lines of the FTP
// command job (see ftp_command_text.h).
#include "transfer/core/ftp_command_text.h"

#include <cstring>

namespace qv {

std::string_view param_text(const char (&buffer)[kParamSize]) {
  std::size_t size = 0;
  while (size < kParamSize - 1 && buffer[size] != '\0') ++size;
  return {buffer, size};
}

bool params_have_line_break(const JobParams& params) {
  for (const auto* buffer : {&params.server, &params.user, &params.password, &params.remote_path,
                             &params.mode, &params.local_file}) {
    if (param_text(*buffer).find_first_of("\r\n") != std::string_view::npos) return true;
  }
  return false;
}

RemotePath split_remote_path(std::string_view remote_path) {
  const std::size_t slash = remote_path.rfind('/');
  if (slash == std::string_view::npos) return {{}, remote_path};
  return {remote_path.substr(0, slash + 1), remote_path.substr(slash + 1)};
}

CommandText command_line(std::initializer_list<std::string_view> pieces) {
  CommandText line;
  const std::size_t room = CommandText::kCapacity - 2;
  for (std::string_view piece : pieces) {
    const std::size_t take = piece.size() < room - line.size ? piece.size() : room - line.size;
    std::memcpy(line.bytes + line.size, piece.data(), take);
    line.size += take;
  }
  line.bytes[line.size++] = '\r';
  line.bytes[line.size++] = '\n';
  return line;
}

}  // namespace qv
