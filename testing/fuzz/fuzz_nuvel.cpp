// The converter gets whatever file it is handed. For every input selector,
// with the output area exactly as large as the tool allocates it (eight
// bytes per input byte), the conversion stays inside the area (ASan sees a
// write past it) and returns a count within it; any other output selector
// writes nothing.
#include <cstdint>
#include <cstring>
#include <vector>

#include "nuvel/core/c_api.h"
#include "testing/fuzz/fuzz_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0 || size > (1u << 20)) return 0;
  // The input area exactly as long as the input, so a read past its end is
  // seen too.
  std::vector<std::uint8_t> input(data, data + size);
  const std::int32_t n = static_cast<std::int32_t>(size);
  std::vector<std::uint8_t> output(8 * size);
  for (std::int32_t selector = 0; selector <= 6; ++selector) {
    std::int32_t written = nuvel_convert(selector, input.data(), n, 4, output.data());
    FUZZ_CHECK(written >= 0);
    FUZZ_CHECK(static_cast<std::size_t>(written) <= output.size());
  }
  std::memset(output.data(), 0xA5, output.size());
  FUZZ_CHECK(nuvel_convert(0, input.data(), n, 3, output.data()) == 0);
  for (std::uint8_t b : output) FUZZ_CHECK(b == 0xA5);
  return 0;
}
