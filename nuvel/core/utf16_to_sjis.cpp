// UTF-16 to code page 932 (see utf16_to_sjis.h).
#include "nuvel/core/utf16_to_sjis.h"

#include "nuvel/core/cp932_table.h"
#include "nuvel/core/unit.h"

namespace nuvel {
namespace {

inline unsigned read16(const unsigned char* p, bool big_endian) noexcept {
  return big_endian ? (p[0] << 8) | p[1] : p[0] | (p[1] << 8);
}

inline unit utf16_step(const unsigned char* in, std::size_t i, std::size_t n, bool be) noexcept {
  std::size_t left = n - i;
  if (left < 2) return substitute_unit(left, error_code::truncated);
  unsigned u = read16(in + i, be);
  if (u < 0x80) return {2, u, error_code::success};
  if (u >= 0xD800 && u <= 0xDBFF) {
    if (left < 4) return substitute_unit(left, error_code::truncated);
    unsigned low = read16(in + i + 2, be);
    if (low >= 0xDC00 && low <= 0xDFFF) return substitute_unit(4, error_code::unmapped);
    return substitute_unit(2, error_code::invalid_sequence);
  }
  if (u >= 0xDC00 && u <= 0xDFFF) return substitute_unit(2, error_code::invalid_sequence);
  unsigned code = cp932_from_unicode(u);
  if (code == 0) return substitute_unit(2, error_code::unmapped);
  return {2, code, error_code::success};
}

}  // namespace

result convert_utf16_to_sjis(const char* in, std::size_t n, bool big_endian, char* out) noexcept {
  auto p = reinterpret_cast<const unsigned char*>(in);
  std::size_t i = 0;
  if (n >= 2 && read16(p, big_endian) == 0xFEFF) i = 2;
  result r;
  sjis_writer w{reinterpret_cast<unsigned char*>(out)};
  while (i < n) {
    unit u = utf16_step(p, i, n, big_endian);
    if (u.error != error_code::success && r.error == error_code::success) r.error = u.error;
    write_unit(w, u);
    i += u.length;
  }
  r.count = static_cast<std::size_t>(w.out - reinterpret_cast<unsigned char*>(out));
  return r;
}

}  // namespace nuvel
