// The HTTP download job: fetches the URL in `server` through the Internet
// client and stores the response body, whatever its status, in
// `local_file`.
#pragma once

#include "transfer/core/job_state.h"
#include "transfer/core/transfer_loops.h"

namespace qv {

// Runs the whole job on the calling (worker) thread. Sets `total_bytes`
// from the Content-Length header (left at 0 without one) and counts the
// bytes written in `done_bytes`. The local file is opened only once the
// request has been answered, so a failed connection leaves it untouched.
void run_http_download_job(SharedJobState& shared, WorkBuffer& work);

}  // namespace qv
