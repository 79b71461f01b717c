// The HTTP download job over WinInet.
#include "transfer/win/http_download_job.h"

#include <string>

#include "transfer/win/block_io.h"
#include "transfer/win/internet_client.h"

namespace qv {

void run_http_download_job(SharedJobState& shared, WorkBuffer& work) {
  const std::string url = shared.params.server;
  const std::string local_path = shared.params.local_file;

  InternetHandle client = open_internet_client("QVHTTP");
  if (!client) return;
  InternetHandle request(
      ::InternetOpenUrlA(client.get(), url.c_str(), nullptr, 0, INTERNET_FLAG_RESYNCHRONIZE, 0));
  if (!request) return;
  bound_network_waits(request.get());

  DWORD content_length = 0;
  DWORD length_size = sizeof content_length;
  DWORD index = 0;
  if (::HttpQueryInfoA(request.get(), HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER, &content_length,
                       &length_size, &index)) {
    shared.total_bytes.store(content_length);
  }
  ReceiveToFile(request.get(), local_path.c_str(), work, shared);
}

}  // namespace qv
