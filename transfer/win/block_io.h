// The Windows ends of the block loops: an Internet handle read or written
// block by block, and C file streams for the local file. `ReceiveToFile`
// is the receive loop of the HTTP and FTP downloads.
#pragma once

#include <cstdint>

#include "transfer/core/job_state.h"
#include "transfer/core/transfer_loops.h"
#include "transfer/win/win_handles.h"

namespace qv {

class InternetSource : public BlockSource {
 public:
  explicit InternetSource(HINTERNET handle) : handle_(handle) {}
  bool read(char* buffer, std::size_t capacity, std::size_t& got) override;

 private:
  HINTERNET handle_;
};

class InternetWriter : public BlockWriter {
 public:
  explicit InternetWriter(HINTERNET handle) : handle_(handle) {}
  bool write(const char* data, std::size_t length, std::size_t& accepted) override;

 private:
  HINTERNET handle_;
};

class StreamSink : public BlockSink {
 public:
  explicit StreamSink(std::FILE* file) : file_(file) {}
  void write(const char* data, std::size_t length) override;

 private:
  std::FILE* file_;
};

class StreamInput : public UploadInput {
 public:
  explicit StreamInput(std::FILE* file) : file_(file) {}
  void seek(std::uint64_t offset) override;
  std::size_t read(char* buffer, std::size_t capacity) override;
  // The stream's length, measured by a seek to its end.
  std::uint64_t size();

 private:
  std::FILE* file_;
};

// Creates (or truncates) the local file at `local_path` and copies
// everything readable from `source` into it (receive_blocks). When the file
// cannot be opened nothing is read from `source`.
void ReceiveToFile(HINTERNET source, const char* local_path, WorkBuffer& work, SharedJobState& shared);

}  // namespace qv
