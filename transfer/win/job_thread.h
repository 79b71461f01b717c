// The library's one set of job state and the worker thread that runs the
// job a start has claimed.
#pragma once

#include <windows.h>

#include "transfer/core/job_state.h"

namespace qv {

// The process-wide state shared by the exports and the worker.
SharedJobState& library_job_state();

// The worker thread: zeroes both counters, reads the job state once, runs
// the job of that code (none for -1) and puts the state back to 0 as its
// last access to shared state. Always exits with 0.
DWORD WINAPI JobThread(LPVOID);

}  // namespace qv
