// The FTP download and upload jobs: one file moved over FTP through the
// Internet client, in active mode on port 21.
#pragma once

#include "transfer/core/job_state.h"
#include "transfer/core/transfer_loops.h"

namespace qv {

// Copies `remote_path` on `server` into `local_file`. `total_bytes` is the
// size the server lists for the file; a file it does not list, or cannot
// open, leaves the local file untouched.
void run_ftp_download_job(SharedJobState& shared, WorkBuffer& work);

// Copies `local_file` to `remote_path` on `server`. `total_bytes` is the
// local file's size and `done_bytes` what the server accepted. A local file
// that cannot be read ends the job before the remote file is opened, so an
// existing remote file is never replaced by an empty one.
void run_ftp_upload_job(SharedJobState& shared, WorkBuffer& work);

}  // namespace qv
