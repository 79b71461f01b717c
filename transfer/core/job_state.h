// The state that the library's exports share with the worker thread: the
// six parameter buffers, the job state and the two progress counters, and
// the rules by which a start claims them and a stop request changes them.
//
// Threading contract: one controlling thread calls the exports; at most one
// worker thread runs a job. The parameter buffers are written only by a
// start while `job_state` is 0 and read only by the worker afterwards.
// `job_state`, `total_bytes` and `done_bytes` are whole-word atomics; no
// order between the counters and the state is promised to a reader.
#pragma once

#include <atomic>
#include <cstdint>

#include "transfer/core/job_params.h"

namespace qv {

// Job state codes.
constexpr std::int32_t JOB_IDLE = 0;
constexpr std::int32_t JOB_FTP_DOWNLOAD = 1;
constexpr std::int32_t JOB_FTP_UPLOAD = 2;
constexpr std::int32_t JOB_FTP_COMMAND = 3;
constexpr std::int32_t JOB_HTTP_DOWNLOAD = 4;
constexpr std::int32_t JOB_STOP_REQUESTED = -1;

struct SharedJobState {
  JobParams params;
  std::atomic<std::int32_t> job_state{JOB_IDLE};
  std::atomic<std::uint32_t> total_bytes{0};
  std::atomic<std::uint32_t> done_bytes{0};
};

// The six arguments of a start, in buffer order (server, user, password,
// remote_path, mode, local_file). A null pointer stands for the empty
// string, as callers that pass an empty string by reference often send one.
struct StartArgs {
  const char* text[6] = {};
};

// Starts the worker of a new job. Returns the start result and the new
// thread's handle as an integer (never 0), or 0 when no thread could be
// made. Called with `job_state` already set to the job code.
using LaunchWorker = std::int32_t (*)(void* context);

// A start: refuses while a job runs (returns its code, changes nothing);
// refuses a string of more than 99 bytes (returns 0, changes nothing);
// otherwise copies the arguments, sets the job code and calls `launch`. When
// `launch` returns 0 the state goes back to 0 and the start returns 0.
std::int32_t start_job(SharedJobState& shared, std::int32_t code, const StartArgs& args, LaunchWorker launch,
                       void* launch_context);

// A stop request: moves a non-zero state to -1 in one atomic step and
// returns the value it found; returns 0 and changes nothing while idle.
std::int32_t request_stop(std::atomic<std::int32_t>& job_state);

// True when `text` (null counts as empty) fits a parameter buffer.
bool fits_param(const char* text);

}  // namespace qv
