// The receive and send loops shared by the HTTP and FTP transfer jobs.
#include "transfer/core/transfer_loops.h"

#include "transfer/core/job_state.h"

namespace qv {

void receive_blocks(BlockSource& source, BlockSink& sink, WorkBuffer& work, const std::atomic<std::int32_t>& job_state,
                    std::atomic<std::uint32_t>& done_bytes) {
  for (;;) {
    std::size_t got = 0;
    if (!source.read(work, sizeof work, got) || got == 0) return;
    if (job_state.load() == JOB_STOP_REQUESTED) return;
    if (got > sizeof work) got = sizeof work;
    sink.write(work, got);
    done_bytes.fetch_add(static_cast<std::uint32_t>(got));
  }
}

void send_blocks(UploadInput& input, std::uint64_t size, BlockWriter& writer, WorkBuffer& work,
                 const std::atomic<std::int32_t>& job_state, std::atomic<std::uint32_t>& done_bytes) {
  std::uint64_t done = 0;
  input.seek(0);
  for (;;) {
    const std::size_t length = input.read(work, sizeof work);
    std::size_t accepted = 0;
    if (!writer.write(work, length, accepted)) return;
    if (accepted > length) accepted = length;
    done += accepted;
    done_bytes.store(static_cast<std::uint32_t>(done));
    if (accepted == 0 || done >= size || job_state.load() == JOB_STOP_REQUESTED) return;
    input.seek(done);
  }
}

}  // namespace qv
