// Command word rules of the FTP command job (see ftp_command_word.h).
#include "transfer/core/ftp_command_word.h"

namespace qv {

bool word_number_is_nonzero(std::string_view word) {
  std::size_t i = 0;
  while (i < word.size() && (word[i] == ' ' || (word[i] >= '\t' && word[i] <= '\r'))) ++i;
  if (i < word.size() && (word[i] == '+' || word[i] == '-')) ++i;
  // Any non-zero digit before the first non-digit makes the number non-zero;
  // the value itself is never formed, so a long word cannot overflow it.
  for (; i < word.size() && word[i] >= '0' && word[i] <= '9'; ++i) {
    if (word[i] != '0') return true;
  }
  return false;
}

FtpAction action_for_word(std::string_view word) {
  if (word == "del") return FtpAction::delete_file;
  if (word == "mkdir") return FtpAction::make_directory;
  if (word == "rmdir") return FtpAction::remove_directory;
  if (word_number_is_nonzero(word)) return FtpAction::change_mode;
  return FtpAction::none;
}

CommandText action_command(FtpAction action, std::string_view word, std::string_view remote_name) {
  switch (action) {
    case FtpAction::delete_file: return command_line({"DELE ", remote_name});
    case FtpAction::make_directory: return command_line({"MKD ", remote_name});
    case FtpAction::remove_directory: return command_line({"RMD ", remote_name});
    case FtpAction::change_mode: return command_line({"SITE CHMOD ", word, " ", remote_name});
    case FtpAction::none: break;
  }
  return command_line({"NOOP"});
}

int action_done_code(FtpAction action) {
  switch (action) {
    case FtpAction::make_directory: return 257;
    case FtpAction::change_mode: return 200;
    case FtpAction::delete_file:
    case FtpAction::remove_directory:
    case FtpAction::none: break;
  }
  return 250;
}

}  // namespace qv
