// The worker thread's rules, free of Windows.
#include "transfer/core/job_worker.h"

namespace qv {

void run_worker(SharedJobState& shared, const JobRunners& runners) {
  shared.total_bytes.store(0);
  shared.done_bytes.store(0);
  JobRunner runner = nullptr;
  switch (shared.job_state.load()) {
    case kJobFtpDownload:
      runner = runners.ftp_download;
      break;
    case kJobFtpUpload:
      runner = runners.ftp_upload;
      break;
    case kJobFtpCommand:
      runner = runners.ftp_command;
      break;
    case kJobHttpDownload:
      runner = runners.http_download;
      break;
    default:
      break;
  }
  if (runner != nullptr) {
    WorkBuffer work;
    runner(shared, work);
  }
  shared.job_state.store(kJobIdle);
}

}  // namespace qv
