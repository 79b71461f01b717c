// The command word of the FTP command job: which one action it asks for
// ("del", "mkdir", "rmdir" or a permission number), the command line of that
// action and the reply code that counts as done.
#pragma once

#include <string_view>

#include "transfer/core/ftp_command_text.h"

namespace qv {

enum class FtpAction {
  none,              // no action: any other word, the empty word included
  delete_file,       // "del": DELE
  make_directory,    // "mkdir": MKD
  remove_directory,  // "rmdir": RMD
  change_mode,       // a word whose leading number is not 0: SITE CHMOD
};

// True when `word`, read as a decimal number (leading white space, an
// optional sign, digits up to the first non-digit), is not 0: "644" and
// "755x" are, "0", "000", "del" and "" are not.
bool word_number_is_nonzero(std::string_view word);

// The action of a command word; "del", "mkdir" and "rmdir" compare exactly
// and case-sensitively ("DEL" asks for nothing).
FtpAction action_for_word(std::string_view word);

// The command line of `action` on `remote_name`; SITE CHMOD carries the word
// itself, not its number. Not for FtpAction::none.
CommandText action_command(FtpAction action, std::string_view word, std::string_view remote_name);

// The reply code that means the action was done (250, 257 or 200).
int action_done_code(FtpAction action);

}  // namespace qv
