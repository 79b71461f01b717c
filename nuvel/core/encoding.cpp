// Names of the encodings.
#include "nuvel/core/encoding.h"

namespace nuvel {

const char* to_string(encoding e) noexcept {
  switch (e) {
    case encoding::ascii: return "ASCII";
    case encoding::iso2022jp: return "ISO-2022-JP";
    case encoding::eucjp: return "EUC-JP";
    case encoding::utf8: return "UTF-8";
    case encoding::shift_jis: return "Shift_JIS";
    case encoding::utf16le: return "UTF-16LE";
    case encoding::utf16be: return "UTF-16BE";
  }
  return "unknown";
}

}  // namespace nuvel
