// EUC-JP to code page 932 (see eucjp_to_sjis.h).
#include "nuvel/core/eucjp_to_sjis.h"

#include "nuvel/core/cp932_table.h"
#include "nuvel/core/jis.h"
#include "nuvel/core/unit.h"

namespace nuvel {
namespace {

inline bool is_gr(unsigned b) { return b >= 0xA1 && b <= 0xFE; }

// The character at in[i], a byte >= 0x80.
inline unit eucjp_step(const unsigned char* in, std::size_t i, std::size_t n) noexcept {
  unsigned b = in[i];
  std::size_t left = n - i;
  if (b == 0x8E) {  // half-width katakana
    if (left < 2) return substitute_unit(left, error_code::truncated);
    unsigned k = in[i + 1];
    if (k >= 0xA1 && k <= 0xDF) return {2, k, error_code::success};
    return substitute_unit(1, error_code::invalid_sequence);
  }
  if (b == 0x8F) {  // JIS X 0212
    if (left < 2) return substitute_unit(left, error_code::truncated);
    if (!is_gr(in[i + 1])) return substitute_unit(1, error_code::invalid_sequence);
    if (left < 3) return substitute_unit(left, error_code::truncated);
    if (!is_gr(in[i + 2])) return substitute_unit(1, error_code::invalid_sequence);
    unsigned code = cp932_from_jisx0212(in[i + 1] & 0x7F, in[i + 2] & 0x7F);
    if (code == 0) return substitute_unit(3, error_code::unmapped);
    return {3, code, error_code::success};
  }
  if (is_gr(b)) {  // JIS X 0208
    if (left < 2) return substitute_unit(left, error_code::truncated);
    if (!is_gr(in[i + 1])) return substitute_unit(1, error_code::invalid_sequence);
    unsigned code = cp932_from_jisx0208(b & 0x7F, in[i + 1] & 0x7F);
    if (code == 0) return substitute_unit(2, error_code::unmapped);
    return {2, code, error_code::success};
  }
  return substitute_unit(1, error_code::invalid_sequence);
}

}  // namespace

result convert_eucjp_to_sjis(const char* in, std::size_t n, char* out) noexcept {
  auto p = reinterpret_cast<const unsigned char*>(in);
  auto o = reinterpret_cast<unsigned char*>(out);
  const std::uint16_t* jis = jisx0208_table();
  result r;
  sjis_writer w{o};
  std::size_t i = 0;
  while (i < n) {
    unsigned b = p[i];
    if (b < 0x80) {
      i = copy_ascii_run(p, i, n, w.out);
      continue;
    }
    // The common case inline: an assigned JIS X 0208 pair.
    if (i + 1 < n && is_gr(b) && is_gr(p[i + 1])) {
      unsigned code = jis[(b - 0xA1) * 94 + (p[i + 1] - 0xA1)];
      if (code) {
        w.pair(code);
        i += 2;
        continue;
      }
    }
    i += take_unit(w, r, eucjp_step(p, i, n));
  }
  r.count = static_cast<std::size_t>(w.out - o);
  return r;
}

result validate_eucjp(const char* in, std::size_t n) noexcept {
  return validate_with(reinterpret_cast<const unsigned char*>(in), n, eucjp_step);
}

}  // namespace nuvel
