// Dispatch from an encoding to its converter.
#include "nuvel/core/convert.h"

#include "nuvel/core/detect.h"
#include "nuvel/core/eucjp_to_sjis.h"
#include "nuvel/core/iso2022jp_to_sjis.h"
#include "nuvel/core/sjis_validate.h"
#include "nuvel/core/utf16_to_sjis.h"
#include "nuvel/core/utf8_to_sjis.h"

namespace nuvel {

result convert_to_sjis(encoding from, const char* in, std::size_t n, char* out) noexcept {
  switch (from) {
    case encoding::iso2022jp: return convert_iso2022jp_to_sjis(in, n, out);
    case encoding::eucjp: return convert_eucjp_to_sjis(in, n, out);
    case encoding::utf8: return convert_utf8_to_sjis(in, n, out);
    case encoding::utf16le: return convert_utf16_to_sjis(in, n, false, out);
    case encoding::utf16be: return convert_utf16_to_sjis(in, n, true, out);
    case encoding::ascii:
    case encoding::shift_jis: return convert_sjis_to_sjis(in, n, out);
  }
  return {};
}

result convert_detected_to_sjis(const char* in, std::size_t n, char* out) noexcept {
  return convert_to_sjis(detect_encoding(in, n), in, n, out);
}

}  // namespace nuvel
