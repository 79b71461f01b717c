// The exported interface of qvftp.dll: start one transfer job at a time and
// follow it by polling. Every function uses the standard Windows calling
// convention and returns a 32-bit signed integer; strings are zero-
// terminated ANSI texts of at most 99 bytes, copied before a start returns.
#pragma once

#include <cstdint>

#define QVFTP_API extern "C" std::int32_t __stdcall

// Starts: return the worker thread's handle as a non-zero integer (valid
// until the next start), the running job's code (or -1 while a stop is
// pending) when a job runs, or 0 when a string is longer than 99 bytes or
// the thread cannot be created. A refused start changes nothing. The
// worker holds its own reference to the library, so the caller may free the
// library once the state is back at 0; a caller about to end its process
// then should first wait on the worker's handle, which ends a moment later.
QVFTP_API qvread(const char* server, const char* user, const char* password, const char* remote_path,
                 const char* mode, const char* local_file);
QVFTP_API qvwrite(const char* server, const char* user, const char* password, const char* remote_path,
                  const char* mode, const char* local_file);
QVFTP_API qvcommand(const char* server, const char* user, const char* password, const char* remote_path,
                    const char* mode, const char* local_file);
QVFTP_API qvhttp(const char* url, const char* local_file);

// The job state: 0 idle, 1 FTP download, 2 FTP upload, 3 FTP command job,
// 4 HTTP download, -1 stop requested.
QVFTP_API qvstate();
// Requests a stop of the running job; returns the state found (0 when idle,
// in which case nothing changes).
QVFTP_API qvstop();
// Progress of the running or last job (unsigned counts, bits unchanged);
// both become 0 when the next worker begins.
QVFTP_API qvall();
QVFTP_API qvnow();
