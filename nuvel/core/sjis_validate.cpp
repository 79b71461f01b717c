// Shift_JIS pass-through and validation (see sjis_validate.h).
#include "nuvel/core/sjis_validate.h"

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

result convert_sjis_to_sjis(const char* in, std::size_t n, char* out) noexcept {
  return convert_with(reinterpret_cast<const unsigned char*>(in), n, reinterpret_cast<unsigned char*>(out),
                      sjis_step);
}

result validate_sjis(const char* in, std::size_t n) noexcept {
  return validate_with(reinterpret_cast<const unsigned char*>(in), n, sjis_step);
}

}  // namespace nuvel
