// UTF-8 to code page 932 (see utf8_to_sjis.h).
#include "nuvel/core/utf8_to_sjis.h"

#include "nuvel/core/cp932_table.h"
#include "nuvel/core/unit.h"

namespace nuvel {
namespace {

struct decoded {
  std::size_t length;
  std::uint32_t code_point;  // valid when error is success
  error_code error;
};

// Decodes the sequence at in[i] (a byte >= 0x80) by the well-formed byte
// ranges of UTF-8; on a problem, length is the maximal ill-formed subpart.
inline decoded decode_utf8(const unsigned char* in, std::size_t i, std::size_t n) noexcept {
  unsigned b = in[i];
  std::size_t need;
  unsigned lo = 0x80, hi = 0xBF;  // range of the second byte
  std::uint32_t cp;
  if (b >= 0xC2 && b <= 0xDF) { need = 1; cp = b & 0x1F; }
  else if (b >= 0xE0 && b <= 0xEF) {
    need = 2; cp = b & 0x0F;
    if (b == 0xE0) lo = 0xA0;
    if (b == 0xED) hi = 0x9F;  // no surrogates
  } else if (b >= 0xF0 && b <= 0xF4) {
    need = 3; cp = b & 0x07;
    if (b == 0xF0) lo = 0x90;
    if (b == 0xF4) hi = 0x8F;
  } else {
    return {1, 0, error_code::invalid_sequence};
  }
  for (std::size_t k = 1; k <= need; ++k) {
    if (i + k >= n) return {k, 0, error_code::truncated};
    unsigned c = in[i + k];
    unsigned l = k == 1 ? lo : 0x80, h = k == 1 ? hi : 0xBF;
    if (c < l || c > h) return {k, 0, error_code::invalid_sequence};
    cp = (cp << 6) | (c & 0x3F);
  }
  return {need + 1, cp, error_code::success};
}

inline unit utf8_step(const unsigned char* in, std::size_t i, std::size_t n) noexcept {
  decoded d = decode_utf8(in, i, n);
  if (d.error != error_code::success) return substitute_unit(d.length, d.error);
  unsigned code = cp932_from_unicode(d.code_point);
  if (code == 0) return substitute_unit(d.length, error_code::unmapped);
  return {d.length, code, error_code::success};
}

inline unit utf8_validate_step(const unsigned char* in, std::size_t i, std::size_t n) noexcept {
  decoded d = decode_utf8(in, i, n);
  return {d.length, kNoOutput, d.error};
}

inline std::size_t bom_length(const unsigned char* in, std::size_t n) noexcept {
  return n >= 3 && in[0] == 0xEF && in[1] == 0xBB && in[2] == 0xBF ? 3 : 0;
}

}  // namespace

result convert_utf8_to_sjis(const char* in, std::size_t n, char* out) noexcept {
  auto p = reinterpret_cast<const unsigned char*>(in);
  auto o = reinterpret_cast<unsigned char*>(out);
  result r;
  sjis_writer w{o};
  std::size_t i = bom_length(p, n);
  const std::uint16_t* bmp = cp932_bmp_table();
  while (i < n) {
    unsigned b = p[i];
    if (b < 0x80) {
      i = copy_ascii_run(p, i, n, w.out);
      continue;
    }
    // The common case inline: a three-byte sequence (U+0800-U+FFFF, no
    // surrogate) that code page 932 has; everything else takes utf8_step.
    if ((b & 0xF0) == 0xE0 && i + 2 < n) {
      unsigned c1 = p[i + 1], c2 = p[i + 2];
      if ((c1 & 0xC0) == 0x80 && (c2 & 0xC0) == 0x80) {
        std::uint32_t cp = ((b & 0x0F) << 12) | ((c1 & 0x3F) << 6) | (c2 & 0x3F);
        unsigned code = bmp[cp];  // 0 for surrogates and what code page 932 lacks
        if (cp >= 0x800 && code) {
          w.code(code);
          i += 3;
          continue;
        }
      }
    }
    i += take_unit(w, r, utf8_step(p, i, n));
  }
  r.count = static_cast<std::size_t>(w.out - o);
  return r;
}

result validate_utf8(const char* in, std::size_t n) noexcept {
  return validate_with(reinterpret_cast<const unsigned char*>(in), n, utf8_validate_step);
}

}  // namespace nuvel
