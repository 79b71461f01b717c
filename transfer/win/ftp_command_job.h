// The FTP command job: one action on an FTP server's file tree and an
// optional listing of the remote working directory, spoken over Windows
// Sockets on the worker thread.
#pragma once

#include <atomic>
#include <cstdint>

#include "transfer/core/job_params.h"

namespace qv {

// Runs the whole job on the calling thread and returns when it has ended by
// any path (the caller then puts the job state back to idle). `job_state` is
// read between listing blocks: -1 means a stop was requested.
void run_ftp_command_job(const JobParams& params, const std::atomic<std::int32_t>& job_state);

}  // namespace qv
