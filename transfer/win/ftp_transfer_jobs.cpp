// The FTP download and upload jobs over WinInet, and the preparation they
// share: target check and split, client, login and directory change.
#include "transfer/win/ftp_transfer_jobs.h"

#include <string>

#include "transfer/core/ftp_target.h"
#include "transfer/win/block_io.h"
#include "transfer/win/internet_client.h"

namespace qv {
namespace {

enum class Login { kClientDefaultWhenNoUser, kAlwaysPassed };

// An FTP connection logged in and moved to the target's directory. The
// client is declared first so that it is closed last.
struct FtpSession {
  InternetHandle client;
  InternetHandle connection;
  FtpTarget target;
  DWORD transfer_type = FTP_TRANSFER_TYPE_BINARY;

  explicit operator bool() const { return static_cast<bool>(connection); }
};

FtpSession open_ftp_session(const JobParams& params, Login login) {
  FtpSession session;
  session.target = split_ftp_target(params.server, params.remote_path);
  if (session.target.error != FtpTargetError::kNone) return session;  // no network activity

  session.client = open_internet_client("QVFTP");
  if (!session.client) return session;

  const bool anonymous = login == Login::kClientDefaultWhenNoUser && params.user[0] == '\0';
  session.connection.reset(::InternetConnectA(session.client.get(), session.target.host_name.c_str(),
                                              INTERNET_DEFAULT_FTP_PORT, anonymous ? nullptr : params.user,
                                              anonymous ? nullptr : params.password, INTERNET_SERVICE_FTP, 0, 0));
  if (!session.connection) return session;
  bound_network_waits(session.connection.get());

  // A failed change leaves the login directory current; the file is then
  // looked up there.
  ::FtpSetCurrentDirectoryA(session.connection.get(), session.target.directory.c_str());
  session.transfer_type = is_ascii_mode(params.mode) ? FTP_TRANSFER_TYPE_ASCII : FTP_TRANSFER_TYPE_BINARY;
  return session;
}

}  // namespace

void run_ftp_download_job(SharedJobState& shared, WorkBuffer& work) {
  const std::string local_path = shared.params.local_file;
  FtpSession session = open_ftp_session(shared.params, Login::kClientDefaultWhenNoUser);
  if (!session) return;
  const char* name = session.target.file_name.c_str();

  WIN32_FIND_DATAA found = {};
  InternetHandle lookup(::FtpFindFirstFileA(session.connection.get(), name, &found, 0, 0));
  if (!lookup) return;
  shared.total_bytes.store(found.nFileSizeLow);

  InternetHandle remote(::FtpOpenFileA(session.connection.get(), name, GENERIC_READ, session.transfer_type, 0));
  if (!remote) return;
  bound_network_waits(remote.get());
  ReceiveToFile(remote.get(), local_path.c_str(), work, shared);
}

void run_ftp_upload_job(SharedJobState& shared, WorkBuffer& work) {
  // The local file is opened first: opening the remote file for writing
  // replaces it, which must not happen when there is nothing to send.
  FileStream local;
  if (split_ftp_target(shared.params.server, shared.params.remote_path).error == FtpTargetError::kNone) {
    local.reset(std::fopen(shared.params.local_file, "rb"));
  }
  if (!local) return;

  FtpSession session = open_ftp_session(shared.params, Login::kAlwaysPassed);
  if (!session) return;
  InternetHandle remote(::FtpOpenFileA(session.connection.get(), session.target.file_name.c_str(), GENERIC_WRITE,
                                       session.transfer_type, 0));
  if (!remote) return;
  bound_network_waits(remote.get());

  StreamInput input(local.get());
  const std::uint64_t size = input.size();
  shared.total_bytes.store(static_cast<std::uint32_t>(size));
  InternetWriter writer(remote.get());
  send_blocks(input, size, writer, work, shared.job_state, shared.done_bytes);
}

}  // namespace qv
