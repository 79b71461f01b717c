// The worker thread's rules, free of Windows.
#include "transfer/core/job_worker.h"

namespace qv {

void run_worker(SharedJobState& shared, const JobRunners& runners) {
  shared.total_bytes.store(0);
  shared.done_bytes.store(0);
  JobRunner runner = nullptr;
  switch (shared.job_state.load()) {
    case JOB_FTP_DOWNLOAD:
      runner = runners.ftp_download;
      break;
    case JOB_FTP_UPLOAD:
      runner = runners.ftp_upload;
      break;
    case JOB_FTP_COMMAND:
      runner = runners.ftp_command;
      break;
    case JOB_HTTP_DOWNLOAD:
      runner = runners.http_download;
      break;
    default:
      break;
  }
  if (runner != nullptr) {
    WorkBuffer work;
    runner(shared, work);
  }
  shared.job_state.store(JOB_IDLE);
}

}  // namespace qv
