// The host's shared-memory block is another program's memory: any content
// must give a handle or 0 without reading past the block.
#include <cstdint>

#include "plugin/core/host_block.h"
#include "testing/fuzz/fuzz_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::u16string block = fuzz_text(data, size < 1025 ? size : 1025);
  block.resize(1025, u'\0');  // the copy always has 1025 units, the last one 0
  std::uint32_t handle = vesk::parse_host_block(block);
  if (block.find(u'\1', 4) == std::u16string::npos && block.find(u'\r', 4) == std::u16string::npos) {
    FUZZ_CHECK(handle == 0);
  }
  return 0;
}
