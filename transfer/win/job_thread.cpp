// The worker thread of a transfer job and the state it shares with the
// exported functions.
#include "transfer/win/job_thread.h"

#include "transfer/win/ftp_command_job.h"
#include "transfer/win/ftp_transfer_jobs.h"
#include "transfer/win/http_download_job.h"

namespace qv {

namespace {
constinit SharedJobState g_shared;
}  // namespace

SharedJobState& library_job_state() { return g_shared; }

DWORD WINAPI JobThread(LPVOID) {
  SharedJobState& shared = library_job_state();
  shared.total_bytes.store(0);
  shared.done_bytes.store(0);
  {
    WorkBuffer work;
    switch (shared.job_state.load()) {
      case kJobFtpDownload:
        run_ftp_download_job(shared, work);
        break;
      case kJobFtpUpload:
        run_ftp_upload_job(shared, work);
        break;
      case kJobFtpCommand:
        run_ftp_command_job(shared.params, shared.job_state);
        break;
      case kJobHttpDownload:
        run_http_download_job(shared, work);
        break;
      default:  // a stop requested before the worker began
        break;
    }
  }
  shared.job_state.store(kJobIdle);
  return 0;
}

}  // namespace qv
