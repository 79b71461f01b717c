// The worker thread of a transfer job and the state it shares with the
// exported functions.
#include "transfer/win/job_thread.h"

#include "transfer/core/job_worker.h"
#include "transfer/win/ftp_command_job.h"
#include "transfer/win/ftp_transfer_jobs.h"
#include "transfer/win/http_download_job.h"

namespace qv {
namespace {

constinit SharedJobState g_shared;

void run_command_job(SharedJobState& shared, WorkBuffer&) { run_ftp_command_job(shared.params, shared.job_state); }

constexpr JobRunners kRunners{run_ftp_download_job, run_ftp_upload_job, run_command_job, run_http_download_job};

}  // namespace

SharedJobState& library_job_state() { return g_shared; }

DWORD WINAPI JobThread(LPVOID module_reference) {
  run_worker(g_shared, kRunners);
  ::FreeLibraryAndExitThread(static_cast<HMODULE>(module_reference), 0);
}

}  // namespace qv
