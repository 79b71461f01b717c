// Start and stop rules of the job interface, kept free of Windows so that
// the refusals and the compare-and-exchange can be tested natively.
#include "transfer/core/job_state.h"

#include <cstring>

namespace qv {

bool fits_param(const char* text) {
  return text == nullptr || ::strnlen(text, kParamSize) < kParamSize;
}

namespace {

void copy_param(char (&buffer)[kParamSize], const char* text) {
  const std::size_t length = text == nullptr ? 0 : std::strlen(text);
  if (length > 0) std::memcpy(buffer, text, length);
  buffer[length] = '\0';
}

}  // namespace

std::int32_t start_job(SharedJobState& shared, std::int32_t code, const StartArgs& args, LaunchWorker launch,
                       void* launch_context) {
  const std::int32_t running = shared.job_state.load();
  if (running != JOB_IDLE) return running;
  for (const char* text : args.text) {
    if (!fits_param(text)) return 0;
  }
  JobParams& p = shared.params;
  char(*const buffers[6])[kParamSize] = {&p.server, &p.user, &p.password, &p.remote_path, &p.mode, &p.local_file};
  for (int i = 0; i < 6; ++i) copy_param(*buffers[i], args.text[i]);

  // The code is stored before the worker exists, so the worker always finds
  // the code of its own start.
  shared.job_state.store(code);
  const std::int32_t handle = launch(launch_context);
  if (handle == 0) shared.job_state.store(JOB_IDLE);
  return handle;
}

std::int32_t request_stop(std::atomic<std::int32_t>& job_state) {
  std::int32_t seen = job_state.load();
  // A failed exchange reloads `seen`; if the worker has meanwhile put the
  // state back to 0, the loop ends without leaving -1 behind.
  while (seen != JOB_IDLE && !job_state.compare_exchange_weak(seen, JOB_STOP_REQUESTED)) {
  }
  return seen;
}

}  // namespace qv
