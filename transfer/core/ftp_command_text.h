// Texts of the FTP command job: the parameter texts as views, the check that
// keeps line breaks out of the control connection, the split of the remote
// path into directory and name, and the command lines sent to the server.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string_view>

#include "transfer/core/job_params.h"

namespace qv {

// The text of a parameter buffer: up to its terminator, at most 99 bytes.
std::string_view param_text(const char (&buffer)[kParamSize]);

// True when any of the six parameters holds CR or LF. Such a job must end
// before it connects: the break would add commands of its own.
bool params_have_line_break(const JobParams& params);

struct RemotePath {
  std::string_view directory;  // up to and including the last "/"; empty without "/"
  std::string_view name;       // after the last "/"; the whole path without "/"
};

// Splits `remote_path`: "/pub/docs/old.txt" gives "/pub/docs/" and "old.txt".
RemotePath split_remote_path(std::string_view remote_path);

// One command line, CR LF included, in a fixed area (nothing is allocated).
struct CommandText {
  static constexpr std::size_t kCapacity = 256;
  char bytes[kCapacity];
  std::size_t size = 0;
  std::string_view view() const { return {bytes, size}; }
};

// Joins `pieces` and appends CR LF: command_line({"USER ", user}). Pieces
// longer than the area allows are cut; the CR LF always ends the line.
CommandText command_line(std::initializer_list<std::string_view> pieces);

}  // namespace qv
