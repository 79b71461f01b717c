// The eight exported functions of qvftp.dll and its entry point. The
// worker's thread handle is kept until the next start, so a caller may use
// the returned handle meanwhile and a run of many jobs holds one handle.
// Each worker holds a reference to the library until it has exited.
#include <windows.h>

#include <cstdint>

#include "transfer/core/job_state.h"
#include "transfer/win/job_thread.h"
#include "transfer/win/qvftp.h"
#include "transfer/win/win_handles.h"

namespace {

// Touched by the controlling thread only (inside the starts).
qv::KernelHandle worker_handle;

// A reference to this library for a new worker to hold while it runs.
HMODULE pin_library() {
  HMODULE self = nullptr;
  ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCWSTR>(&qv::JobThread), &self);
  return self;
}

std::int32_t launch_worker(void*) {
  HMODULE pinned = pin_library();
  if (pinned == nullptr) return 0;
  HANDLE thread = ::CreateThread(nullptr, 0, qv::JobThread, pinned, 0, nullptr);
  if (thread == nullptr) {
    ::FreeLibrary(pinned);
    return 0;
  }
  // The previous worker has put the state back to 0, so its handle is no
  // longer needed.
  worker_handle.reset(thread);
  const auto value = static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(thread));
  return value != 0 ? value : 1;  // a started job always yields non-zero
}

std::int32_t start(std::int32_t code, const qv::StartArgs& args) {
  return qv::start_job(qv::library_job_state(), code, args, launch_worker, nullptr);
}

}  // namespace

QVFTP_API qvread(const char* server, const char* user, const char* password, const char* remote_path,
                 const char* mode, const char* local_file) {
  return start(qv::JOB_FTP_DOWNLOAD, {{server, user, password, remote_path, mode, local_file}});
}

QVFTP_API qvwrite(const char* server, const char* user, const char* password, const char* remote_path,
                  const char* mode, const char* local_file) {
  return start(qv::JOB_FTP_UPLOAD, {{server, user, password, remote_path, mode, local_file}});
}

QVFTP_API qvcommand(const char* server, const char* user, const char* password, const char* remote_path,
                    const char* mode, const char* local_file) {
  return start(qv::JOB_FTP_COMMAND, {{server, user, password, remote_path, mode, local_file}});
}

QVFTP_API qvhttp(const char* url, const char* local_file) {
  return start(qv::JOB_HTTP_DOWNLOAD, {{url, "", "", "", "", local_file}});
}

QVFTP_API qvstate() { return qv::library_job_state().job_state.load(); }

QVFTP_API qvstop() { return qv::request_stop(qv::library_job_state().job_state); }

QVFTP_API qvall() { return static_cast<std::int32_t>(qv::library_job_state().total_bytes.load()); }

QVFTP_API qvnow() { return static_cast<std::int32_t>(qv::library_job_state().done_bytes.load()); }

// No initialisation or clean-up of the library's own; a running worker is
// neither stopped nor awaited at unload.
BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
