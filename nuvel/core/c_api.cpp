// The C call behind the exported function: selectors to encodings.
#include "nuvel/core/c_api.h"

#include <cstddef>

#include "nuvel/core/convert.h"
#include "nuvel/core/detect.h"
#define NUVEL_SELECTORS_ONLY
#include "nuvel/include/nuvel/nuvel.h"

static_assert(NUVEL_MAX_OUTPUT_PER_BYTE == nuvel::kMaxOutputPerInputByte);

namespace {

// Input selector -> what to read; false when the selector is unknown.
bool pick_encoding(int32_t selector, const char* in, std::size_t n, nuvel::encoding* e) noexcept {
  using nuvel::encoding;
  switch (selector) {
    case NUVEL_DETECT: *e = nuvel::detect_encoding(in, n); return true;
    case NUVEL_ISO2022JP: *e = encoding::iso2022jp; return true;
    case NUVEL_EUCJP: *e = encoding::eucjp; return true;
    case NUVEL_UTF8: *e = encoding::utf8; return true;
    case NUVEL_SHIFT_JIS: *e = encoding::shift_jis; return true;
    case NUVEL_UTF16: {
      auto p = reinterpret_cast<const unsigned char*>(in);
      *e = n >= 2 && p[0] == 0xFE && p[1] == 0xFF ? encoding::utf16be : encoding::utf16le;
      return true;
    }
    default: return false;
  }
}

}  // namespace

extern "C" int32_t nuvel_convert(int32_t input_selector, const void* input, int32_t length,
                                 int32_t output_selector, void* output) {
  if (output_selector != NUVEL_SHIFT_JIS || input == nullptr || output == nullptr || length <= 0) return 0;
  // Twice the length must fit the 32-bit result.
  if (length > INT32_MAX / static_cast<int32_t>(nuvel::kMaxOutputPerInputByte)) return 0;
  auto in = static_cast<const char*>(input);
  auto n = static_cast<std::size_t>(length);
  nuvel::encoding from;
  if (!pick_encoding(input_selector, in, n, &from)) return 0;
  nuvel::result r = nuvel::convert_to_sjis(from, in, n, static_cast<char*>(output));
  return static_cast<int32_t>(r.count);
}
