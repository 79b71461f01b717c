// The receive and send loops, driven by in-memory sources and writers:
// block sizes, failures, stop requests and writes accepted only in part
// (which no real loopback server can be made to produce on demand).
#include "transfer/core/transfer_loops.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "transfer/core/job_state.h"

namespace qv {
namespace {

std::string pattern(std::size_t n) {
  std::string s(n, '\0');
  for (std::size_t i = 0; i < n; ++i) s[i] = static_cast<char>(i * 7 + i / 251);
  return s;
}

// Delivers `data` in reads of at most `chunk` bytes, failing at `fail_at`
// reads, and requests a stop after `stop_after` reads.
struct MemorySource : BlockSource {
  std::string data;
  std::size_t chunk = BLOCK_SIZE;
  int fail_at = -1;
  int stop_after = -1;
  std::atomic<std::int32_t>* state = nullptr;
  std::size_t pos = 0;
  int reads = 0;

  bool read(char* buffer, std::size_t capacity, std::size_t& got) override {
    if (reads++ == fail_at) return false;
    got = std::min({capacity, chunk, data.size() - pos});
    std::copy_n(data.data() + pos, got, buffer);
    pos += got;
    if (reads == stop_after) state->store(JOB_STOP_REQUESTED);
    return true;
  }
};

struct MemorySink : BlockSink {
  std::string data;
  std::vector<std::size_t> writes;
  void write(const char* bytes, std::size_t length) override {
    data.append(bytes, length);
    writes.push_back(length);
  }
};

TEST(ReceiveBlocks, CopiesEverythingInBlocksOfAtMost10240Bytes) {
  for (std::size_t size : {std::size_t{0}, std::size_t{1}, BLOCK_SIZE, BLOCK_SIZE + 1, 5 * BLOCK_SIZE + 77}) {
    MemorySource source;
    source.data = pattern(size);
    source.chunk = 1 << 20;
    MemorySink sink;
    WorkBuffer work;
    std::atomic<std::int32_t> state{JOB_HTTP_DOWNLOAD};
    std::atomic<std::uint32_t> done{0};
    receive_blocks(source, sink, work, state, done);
    EXPECT_EQ(sink.data, source.data) << size;
    EXPECT_EQ(done.load(), size);
    for (std::size_t w : sink.writes) EXPECT_LE(w, BLOCK_SIZE);
  }
}

TEST(ReceiveBlocks, AFailedReadKeepsTheBlocksBefore) {
  MemorySource source;
  source.data = pattern(50000);
  source.chunk = 3000;
  source.fail_at = 4;
  MemorySink sink;
  WorkBuffer work;
  std::atomic<std::int32_t> state{JOB_FTP_DOWNLOAD};
  std::atomic<std::uint32_t> done{0};
  receive_blocks(source, sink, work, state, done);
  EXPECT_EQ(sink.data, source.data.substr(0, 12000));
  EXPECT_EQ(done.load(), 12000u);
}

TEST(ReceiveBlocks, AStopDropsTheBlockJustRead) {
  std::atomic<std::int32_t> state{JOB_HTTP_DOWNLOAD};
  MemorySource source;
  source.data = pattern(100000);
  source.stop_after = 3;
  source.state = &state;
  MemorySink sink;
  WorkBuffer work;
  std::atomic<std::uint32_t> done{0};
  receive_blocks(source, sink, work, state, done);
  EXPECT_EQ(source.reads, 3);
  EXPECT_EQ(sink.data, source.data.substr(0, 2 * BLOCK_SIZE));
  EXPECT_EQ(done.load(), 2 * BLOCK_SIZE);
}

struct MemoryInput : UploadInput {
  std::string data;
  std::size_t pos = 0;
  std::vector<std::uint64_t> seeks;
  void seek(std::uint64_t offset) override {
    pos = std::min<std::size_t>(offset, data.size());
    seeks.push_back(offset);
  }
  std::size_t read(char* buffer, std::size_t capacity) override {
    const std::size_t n = std::min(capacity, data.size() - pos);
    std::copy_n(data.data() + pos, n, buffer);
    pos += n;
    return n;
  }
};

// Accepts at most `limit` bytes of each write; fails at write `fail_at`;
// requests a stop after `stop_after` writes.
struct MemoryWriter : BlockWriter {
  std::string data;
  std::vector<std::size_t> lengths;
  std::size_t limit = BLOCK_SIZE;
  int fail_at = -1;
  int stop_after = -1;
  std::atomic<std::int32_t>* state = nullptr;

  bool write(const char* bytes, std::size_t length, std::size_t& accepted) override {
    if (static_cast<int>(lengths.size()) == fail_at) return false;
    lengths.push_back(length);
    accepted = std::min(length, limit);
    data.append(bytes, accepted);
    if (static_cast<int>(lengths.size()) == stop_after) state->store(JOB_STOP_REQUESTED);
    return true;
  }
};

struct Upload {
  MemoryInput input;
  MemoryWriter writer;
  std::atomic<std::int32_t> state{JOB_FTP_UPLOAD};
  std::atomic<std::uint32_t> done{0};

  explicit Upload(std::size_t size) {
    input.data = pattern(size);
    writer.state = &state;
  }
  void run() {
    WorkBuffer work;
    send_blocks(input, input.data.size(), writer, work, state, done);
  }
};

TEST(SendBlocks, WriteCountsByFileSize) {
  struct Row {
    std::size_t size;
    std::size_t writes;
  };
  // An empty file makes one write of 0 bytes; exactly one block makes one
  // write; a block and a byte make two.
  for (const Row& row : {Row{0, 1}, Row{1, 1}, Row{BLOCK_SIZE, 1}, Row{BLOCK_SIZE + 1, 2}, Row{3 * BLOCK_SIZE, 3}}) {
    Upload up(row.size);
    up.run();
    EXPECT_EQ(up.writer.data, up.input.data) << row.size;
    EXPECT_EQ(up.writer.lengths.size(), row.writes) << row.size;
    EXPECT_EQ(up.done.load(), row.size);
  }
}

TEST(SendBlocks, APartlyAcceptedBlockContinuesAtItsFirstByteNotTaken) {
  Upload up(25000);
  up.writer.limit = 4000;
  up.run();
  EXPECT_EQ(up.writer.data, up.input.data);
  EXPECT_EQ(up.writer.lengths.front(), BLOCK_SIZE);
  EXPECT_EQ(up.input.seeks[1], 4000u);
  EXPECT_EQ(up.done.load(), 25000u);
}

TEST(SendBlocks, EndsOnAFailedWriteOrAWriteThatTakesNothing) {
  Upload failing(50000);
  failing.writer.fail_at = 2;
  failing.run();
  EXPECT_EQ(failing.done.load(), 2 * BLOCK_SIZE);

  Upload refusing(50000);
  refusing.writer.limit = 0;
  refusing.run();
  EXPECT_EQ(refusing.writer.lengths.size(), 1u);
  EXPECT_EQ(refusing.done.load(), 0u);
}

TEST(SendBlocks, AStopEndsTheLoopAfterTheBlockJustWritten) {
  Upload up(100000);
  up.writer.stop_after = 2;
  up.run();
  EXPECT_EQ(up.writer.lengths.size(), 2u);
  EXPECT_EQ(up.writer.data, up.input.data.substr(0, 2 * BLOCK_SIZE));
  EXPECT_EQ(up.done.load(), 2 * BLOCK_SIZE);
}

}  // namespace
}  // namespace qv
