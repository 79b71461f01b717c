// Internet handles and C file streams as block sources and targets.
#include "transfer/win/block_io.h"

namespace qv {

bool InternetSource::read(char* buffer, std::size_t capacity, std::size_t& got) {
  DWORD count = 0;
  const BOOL ok = ::InternetReadFile(handle_, buffer, static_cast<DWORD>(capacity), &count);
  got = count;
  return ok != FALSE;
}

bool InternetWriter::write(const char* data, std::size_t length, std::size_t& accepted) {
  DWORD count = 0;
  const BOOL ok = ::InternetWriteFile(handle_, data, static_cast<DWORD>(length), &count);
  accepted = count;
  return ok != FALSE;
}

void StreamSink::write(const char* data, std::size_t length) { std::fwrite(data, 1, length, file_); }

void StreamInput::seek(std::uint64_t offset) { ::_fseeki64(file_, static_cast<__int64>(offset), SEEK_SET); }

std::size_t StreamInput::read(char* buffer, std::size_t capacity) { return std::fread(buffer, 1, capacity, file_); }

std::uint64_t StreamInput::size() {
  ::_fseeki64(file_, 0, SEEK_END);
  const __int64 end = ::_ftelli64(file_);
  ::_fseeki64(file_, 0, SEEK_SET);
  return end < 0 ? 0 : static_cast<std::uint64_t>(end);
}

void ReceiveToFile(HINTERNET source, const char* local_path, WorkBuffer& work, SharedJobState& shared) {
  FileStream file(std::fopen(local_path, "wb"));
  if (!file) return;
  InternetSource reader(source);
  StreamSink sink(file.get());
  receive_blocks(reader, sink, work, shared.job_state, shared.done_bytes);
}

}  // namespace qv
