// The library's one set of job state and the worker thread that runs the
// job a start has claimed.
#pragma once

#include <windows.h>

#include "transfer/core/job_state.h"

namespace qv {

// The process-wide state shared by the exports and the worker.
SharedJobState& library_job_state();

// The worker thread: run_worker over the library's state with the four
// jobs (counters zeroed, the job of the state's code, state back to 0).
// Its parameter is a reference to this library's module taken for it by the
// start; the thread gives it back as it exits, with 0, so the library stays
// loaded until the worker has left its code, even when the caller frees the
// library as soon as it sees the state back at 0.
DWORD WINAPI JobThread(LPVOID module_reference);

}  // namespace qv
