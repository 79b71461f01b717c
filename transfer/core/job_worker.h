// The body of the worker thread: reset the counters, run the job whose code
// the start left in the state, and put the state back to idle. The jobs
// themselves are passed in, so the rules can be tested without Windows.
#pragma once

#include "transfer/core/job_state.h"
#include "transfer/core/transfer_loops.h"

namespace qv {

using JobRunner = void (*)(SharedJobState& shared, WorkBuffer& work);

// One runner per job code; a null runner runs nothing.
struct JobRunners {
  JobRunner ftp_download = nullptr;  // code 1
  JobRunner ftp_upload = nullptr;    // code 2
  JobRunner ftp_command = nullptr;   // code 3
  JobRunner http_download = nullptr;  // code 4
};

// Zeroes both counters, reads the state once and runs the job of that code
// (none for -1, a stop requested before the worker began), then stores 0:
// the worker's last access to shared state, on every path.
void run_worker(SharedJobState& shared, const JobRunners& runners);

}  // namespace qv
