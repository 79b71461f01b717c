// The Internet client of the HTTP and FTP transfer jobs.
#include "transfer/win/internet_client.h"

#ifndef QVFTP_NET_TIMEOUT_MS
#define QVFTP_NET_TIMEOUT_MS 30000
#endif

namespace qv {

void bound_network_waits(HINTERNET handle) {
  DWORD ms = QVFTP_NET_TIMEOUT_MS;
  for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT,
                       INTERNET_OPTION_DATA_SEND_TIMEOUT, INTERNET_OPTION_DATA_RECEIVE_TIMEOUT}) {
    ::InternetSetOptionA(handle, option, &ms, sizeof ms);
  }
}

InternetHandle open_internet_client(const char* agent) {
  if (::InternetAttemptConnect(0) != ERROR_SUCCESS) return {};
  InternetHandle client(::InternetOpenA(agent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (client) bound_network_waits(client.get());
  return client;
}

}  // namespace qv
