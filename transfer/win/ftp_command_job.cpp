// The FTP command job: login, CWD, PWD, the one action of the command word,
// the optional listing over an active-mode data connection, then QUIT. Every
// socket and file is closed in reverse order of opening on every path, and
// every wait is bounded, so the job always reaches its end.
#include "transfer/win/ftp_command_job.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>

#include "transfer/core/ftp_command_text.h"
#include "transfer/core/ftp_command_word.h"
#include "transfer/core/ftp_port.h"
#include "transfer/core/ftp_pwd.h"
#include "transfer/win/ftp_command_control.h"
#include "transfer/win/ftp_command_listing.h"

namespace qv {
namespace {

// Where a session left off before QUIT; the job reports nothing outward,
// but each path of the job ends with one of these.
enum class SessionEnd {
  refused_login,     // greeting, USER, PASS, CWD or PWD answered with a wrong code
  refused_action,    // the action was answered with a wrong code
  done_no_listing,   // the action (if any) was done; no listing was asked for
  no_listing,        // listing asked for, but no data connection was used
  listing_done,      // the listing was received (whole, stopped or cut short)
};

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// A reply code, with one re-read when the first reply was `reread_code`.
int code_after_reread(ControlConnection& control, int code, int reread_code) {
  return code == reread_code ? control.read_reply() : code;
}

bool log_in(ControlConnection& control, const JobParams& params, std::string_view directory) {
  if (control.read_greeting() != 220) return false;
  int code = control.exchange(command_line({"USER ", param_text(params.user)}));
  if (code_after_reread(control, code, 220) != 331) return false;
  code = control.exchange(command_line({"PASS ", param_text(params.password)}));
  if (code_after_reread(control, code, 331) != 230) return false;
  code = control.exchange(command_line({"CWD ", directory}));
  return code_after_reread(control, code, 230) == 250;
}

// The transfer after a 125 or 150 reply to LIST: accept, create the file,
// write the directory line and the data. The data connection is closed
// before the final reply is read, so a server still sending (after a stop)
// answers instead of waiting for its data to drain.
void transfer_listing(ControlConnection& control, const Socket& listener, const DirectoryLine& directory,
                      const char* local_file, const std::atomic<std::int32_t>& job_state) {
  Socket data = accept_data_connection(listener);
  if (!data.valid()) return;
  {
    File file(std::fopen(local_file, "wb"));
    if (file) {
      char block[BLOCK_SIZE];
      if (std::fwrite(directory.bytes, 1, directory.size, file.get()) == directory.size) {
        receive_listing(data, file.get(), block, sizeof block, job_state);
      }
    }
  }
  data.close();
  control.read_reply();
}

SessionEnd make_listing(ControlConnection& control, const DirectoryLine& directory, const char* local_file,
                        const std::atomic<std::int32_t>& job_state) {
  std::srand(static_cast<unsigned>(std::time(nullptr)));
  const DataListener listener = open_data_listener(data_port_for_draw(std::rand() % 32768));
  bool data_error = !listener.socket.valid();
  std::array<std::uint8_t, 4> address{};
  if (!control.local_address(address)) data_error = true;
  if (control.exchange(port_command(address, listener.port)) != 200) data_error = true;
  if (control.exchange(command_line({"TYPE A"})) != 200) data_error = true;
  const int list_code = control.exchange(command_line({"LIST"}));
  if ((list_code != 150 && list_code != 125) || data_error) return SessionEnd::no_listing;
  transfer_listing(control, listener.socket, directory, local_file, job_state);
  return SessionEnd::listing_done;
}

SessionEnd run_session(ControlConnection& control, const JobParams& params,
                       const std::atomic<std::int32_t>& job_state) {
  const RemotePath path = split_remote_path(param_text(params.remote_path));
  if (!log_in(control, params, path.directory)) return SessionEnd::refused_login;
  if (control.exchange(command_line({"PWD"})) != 257) return SessionEnd::refused_login;
  const DirectoryLine directory = directory_line(control.reply_text());

  const std::string_view word = param_text(params.mode);
  const FtpAction action = action_for_word(word);
  if (action != FtpAction::none &&
      control.exchange(action_command(action, word, path.name)) != action_done_code(action)) {
    return SessionEnd::refused_action;
  }
  if (param_text(params.local_file).empty()) return SessionEnd::done_no_listing;
  return make_listing(control, directory, params.local_file, job_state);
}

}  // namespace

void run_ftp_command_job(const JobParams& caller_params, const std::atomic<std::int32_t>& job_state) {
  // The job's own copies, each surely terminated.
  JobParams params = caller_params;
  for (char* text : {params.server, params.user, params.password, params.remote_path, params.mode,
                     params.local_file}) {
    text[kParamSize - 1] = '\0';
  }
  if (params_have_line_break(params)) return;
  WinsockSession winsock;
  if (!winsock.started()) return;
  ControlConnection control;
  if (!control.open(params.server)) return;
  run_session(control, params, job_state);
  control.exchange(command_line({"QUIT"}));
}

}  // namespace qv
