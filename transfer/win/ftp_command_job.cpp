// Placeholder until the FTP command job is built: the job ends at once.
#include "transfer/win/ftp_command_job.h"

namespace qv {

void run_ftp_command_job(const JobParams&, const std::atomic<std::int32_t>&) {}

}  // namespace qv
