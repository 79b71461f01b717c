// The transfer library "qvftp.dll", bound by name at its first call from
// the program directory: the check starts its HTTP download and polls the
// job state through it.
#pragma once

#include <string>

namespace vesk::win {

// Starts the download of `url` into `local_file` (ANSI strings). Returns
// false when the library or its export cannot be had; nothing runs then.
bool start_http_download(const std::string& url, const std::string& local_file);

// The job state of the library: 0 idle or ended, -1 stop requested, 1 to 4
// a job running. 0 when the library cannot be had, so a check whose
// download never started finishes as a failed download.
int transfer_job_state();

}  // namespace vesk::win
