// UTF-16 to code page 932 (see utf16_to_sjis.h).
#include "nuvel/core/utf16_to_sjis.h"

#include <bit>
#include <cstring>

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

// The loop, with the byte order fixed at compile time.
template <bool BigEndian>
result convert_utf16(const unsigned char* p, std::size_t n, unsigned char* out) noexcept {
  std::size_t i = 0;
  if (n >= 2 && read16(p, BigEndian) == 0xFEFF) i = 2;
  result r;
  sjis_writer w{out};
  // The bits of a unit >= 0x80 as the unit sits in a word loaded on this host.
  constexpr bool same_order = BigEndian == (std::endian::native == std::endian::big);
  constexpr std::uint64_t ascii_mask = (same_order ? 0xFF80ull : 0x80FFull) * 0x0001000100010001ull;
  constexpr unsigned lo = BigEndian ? 1 : 0;
  const std::uint16_t* bmp = cp932_bmp_table();
  while (i + 2 <= n) {
    std::uint64_t word;
    if (i + 8 <= n && (std::memcpy(&word, p + i, 8), !(word & ascii_mask))) {
      // Four ASCII units at once.
      if constexpr (std::endian::native == std::endian::little) {
        // Gather the four low bytes of the word into its lowest 32 bits.
        std::uint64_t x = BigEndian ? word >> 8 : word;
        x = (x | (x >> 8)) & 0x0000FFFF0000FFFFull;
        x = x | (x >> 16);
        const auto packed = static_cast<std::uint32_t>(x);
        std::memcpy(w.out, &packed, 4);
      } else {
        w.out[0] = p[i + lo];
        w.out[1] = p[i + 2 + lo];
        w.out[2] = p[i + 4 + lo];
        w.out[3] = p[i + 6 + lo];
      }
      w.out += 4;
      i += 8;
      continue;
    }
    // One unit that code page 932 has (ASCII included; U+0000 maps to 0).
    unsigned v = read16(p + i, BigEndian);
    unsigned code = bmp[v];  // 0 for surrogates and what code page 932 lacks
    if (code || v == 0) {
      // Both bytes written, the pointer moved by one or two: no branch on
      // the width. The spare byte stays within the bound (one output byte
      // per input byte so far) and is overwritten next.
      const bool two = code > 0xFF;
      w.out[0] = static_cast<unsigned char>(two ? code >> 8 : code);
      w.out[1] = static_cast<unsigned char>(code);
      w.out += 1 + two;
      i += 2;
      continue;
    }
    i += take_unit(w, r, utf16_step(p, i, n, BigEndian));
  }
  if (i < n) {  // a final odd byte
    take_unit(w, r, utf16_step(p, i, n, BigEndian));
  }
  r.count = static_cast<std::size_t>(w.out - out);
  return r;
}

}  // namespace

result convert_utf16_to_sjis(const char* in, std::size_t n, bool big_endian, char* out) noexcept {
  auto p = reinterpret_cast<const unsigned char*>(in);
  auto o = reinterpret_cast<unsigned char*>(out);
  return big_endian ? convert_utf16<true>(p, n, o) : convert_utf16<false>(p, n, o);
}

}  // namespace nuvel
