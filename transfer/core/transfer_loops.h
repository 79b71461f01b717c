// The block loops of the transfer jobs: the receive loop that copies a
// remote source into a local file, and the send loop that copies a local
// file to a remote file. Both pass every block through the job's one work
// buffer, count progress in `done_bytes` and honour a stop request.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "transfer/core/job_params.h"

namespace qv {

using WorkBuffer = char[BLOCK_SIZE];

// A remote source read block by block.
class BlockSource {
 public:
  virtual ~BlockSource() = default;
  // Reads up to `capacity` bytes into `buffer`. Returns false on failure;
  // true with `got` == 0 at the end of the data.
  virtual bool read(char* buffer, std::size_t capacity, std::size_t& got) = 0;
};

// A local file written block by block; a failed write goes undetected.
class BlockSink {
 public:
  virtual ~BlockSink() = default;
  virtual void write(const char* data, std::size_t length) = 0;
};

// A local file read block by block from a chosen offset.
class UploadInput {
 public:
  virtual ~UploadInput() = default;
  virtual void seek(std::uint64_t offset) = 0;
  // Reads up to `capacity` bytes; returns how many were delivered.
  virtual std::size_t read(char* buffer, std::size_t capacity) = 0;
};

// A remote file written block by block.
class BlockWriter {
 public:
  virtual ~BlockWriter() = default;
  // Returns false when the write fails; otherwise `accepted` holds how many
  // of the `length` bytes were taken.
  virtual bool write(const char* data, std::size_t length, std::size_t& accepted) = 0;
};

// Reads blocks until a read fails, delivers nothing, or a stop has been
// requested (that block is dropped); writes every other block to `sink` and
// adds its length to `done_bytes`.
void receive_blocks(BlockSource& source, BlockSink& sink, WorkBuffer& work, const std::atomic<std::int32_t>& job_state,
                    std::atomic<std::uint32_t>& done_bytes);

// Sends `input` (of `size` bytes) block by block. After every successful
// write the loop ends when nothing was accepted, when everything has been
// accepted, or when a stop has been requested; a block accepted in part is
// continued from its first byte not accepted. The first block is sent
// before any test, so an empty file makes one write of 0 bytes.
// `done_bytes` holds the low 32 bits of the count accepted.
void send_blocks(UploadInput& input, std::uint64_t size, BlockWriter& writer, WorkBuffer& work,
                 const std::atomic<std::int32_t>& job_state, std::atomic<std::uint32_t>& done_bytes);

}  // namespace qv
