// Shift_JIS pass-through and validation (see sjis_validate.h).
#include "nuvel/core/sjis_validate.h"

#include <cstring>

#include "nuvel/core/cp932_table.h"
#include "nuvel/core/unit.h"

namespace nuvel {
namespace {

inline bool is_lead(unsigned b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
inline bool is_trail(unsigned b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

// The character at in[i], a byte >= 0x80.
inline unit sjis_step(const unsigned char* in, std::size_t i, std::size_t n) noexcept {
  unsigned b = in[i];
  if (b >= 0xA1 && b <= 0xDF) return {1, b, error_code::success};
  if (!is_lead(b)) return substitute_unit(1, error_code::invalid_sequence);
  if (n - i < 2) return substitute_unit(1, error_code::truncated);
  unsigned t = in[i + 1];
  if (!is_trail(t)) return substitute_unit(1, error_code::invalid_sequence);
  if (!cp932_double_byte_assigned(b, t)) return substitute_unit(2, error_code::unmapped);
  return {2, (b << 8) | t, error_code::success};
}

}  // namespace

result validate_sjis(const char* in, std::size_t n) noexcept {
  auto p = reinterpret_cast<const unsigned char*>(in);
  const std::uint8_t* assigned = cp932_assigned_bits();
  std::size_t i = 0;
  while (i < n) {
    unsigned b = p[i];
    if (b < 0x80) {
      std::uint64_t word;
      if (i + 8 <= n && (std::memcpy(&word, p + i, 8), !(word & 0x8080808080808080ull))) i += 8;
      else ++i;
      continue;
    }
    if (b >= 0xA1 && b <= 0xDF) { ++i; continue; }
    if (i + 1 < n) {
      unsigned code = (b << 8) | p[i + 1];
      if ((assigned[code >> 3] >> (code & 7)) & 1) { i += 2; continue; }
    }
    return {sjis_step(p, i, n).error, i};
  }
  return {error_code::success, n};
}

// Valid input is the output: copy the valid prefix at once and convert only
// from the first problem on.
result convert_sjis_to_sjis(const char* in, std::size_t n, char* out) noexcept {
  result valid = validate_sjis(in, n);
  // An empty input may come with null areas, which memcpy must not be
  // handed even for zero bytes.
  if (valid.count) std::memcpy(out, in, valid.count);
  if (valid.error == error_code::success) return {error_code::success, n};
  std::size_t at = valid.count;
  result rest = convert_with(reinterpret_cast<const unsigned char*>(in) + at, n - at,
                             reinterpret_cast<unsigned char*>(out) + at, sjis_step);
  return {valid.error, at + rest.count};
}

}  // namespace nuvel
