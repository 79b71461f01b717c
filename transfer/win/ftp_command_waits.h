// Time limits of the FTP command job, fixed when the library is built: no
// wait of the job is unbounded, so a server that stops answering ends the job
// through QUIT. Test builds shorten QV_FTP_WAIT_MS.
#pragma once

#include <cstdint>

// Without a setting of its own the job follows the library's network
// timeout, so one build setting bounds every network wait of the library.
#if !defined(QV_FTP_WAIT_MS) && defined(QVFTP_NET_TIMEOUT_MS)
#define QV_FTP_WAIT_MS QVFTP_NET_TIMEOUT_MS
#endif
#ifndef QV_FTP_WAIT_MS
#define QV_FTP_WAIT_MS 30000
#endif

#ifndef QV_FTP_GREETING_PAUSE_MS
#define QV_FTP_GREETING_PAUSE_MS 1000
#endif

namespace qv {

// Longest wait for a whole reply, for the data connection to be made, and
// for each block of listing data.
constexpr std::uint32_t kFtpWaitMs = QV_FTP_WAIT_MS;

// Once part of the greeting is in, how long the job waits for more before
// it logs in; the rest of a multi-line greeting is then read as the USER
// reply, which the login re-reads past.
constexpr std::uint32_t kGreetingPauseMs = QV_FTP_GREETING_PAUSE_MS < QV_FTP_WAIT_MS
                                               ? QV_FTP_GREETING_PAUSE_MS : QV_FTP_WAIT_MS;

// How often a wait for listing data looks for a stop request.
constexpr std::uint32_t kStopLookMs = 100;

}  // namespace qv
