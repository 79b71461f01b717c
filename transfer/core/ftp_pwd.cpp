// Directory line of the listing file from the PWD reply (see ftp_pwd.h).
#include "transfer/core/ftp_pwd.h"

#include <cstring>

namespace qv {

std::string_view pwd_directory(std::string_view reply) {
  const std::size_t open = reply.find('"');
  if (open == std::string_view::npos) return {};
  std::string_view rest = reply.substr(open + 1);
  rest = rest.substr(0, rest.find_first_of("\"\r\n"));
  return rest.substr(0, DirectoryLine::kMaxDirectory);
}

DirectoryLine directory_line(std::string_view reply) {
  const std::string_view directory = pwd_directory(reply);
  DirectoryLine line;
  // A reply without quotes gives an empty view whose data() may be null,
  // which memcpy must not be handed even for zero bytes.
  if (!directory.empty()) std::memcpy(line.bytes, directory.data(), directory.size());
  line.size = directory.size();
  line.bytes[line.size++] = '\r';
  line.bytes[line.size++] = '\n';
  line.bytes[line.size] = '\0';
  return line;
}

}  // namespace qv
