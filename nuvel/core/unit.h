// One decoded character of the byte-oriented converters: how many bytes it
// took, what to write, and the problem it had. Shared by the converters and
// their validators so both read the input the same way.
#pragma once

#include <cstddef>

#include "nuvel/core/ascii_run.h"
#include "nuvel/core/error.h"
#include "nuvel/core/sjis_writer.h"

namespace nuvel {

inline constexpr unsigned kNoOutput = 0x10000;    // an escape or shift: writes nothing
inline constexpr unsigned kSubstitute = 0x10001;  // writes the substitute

struct unit {
  std::size_t length;  // bytes consumed, at least 1
  unsigned code;       // code page 932 code, kNoOutput or kSubstitute
  error_code error;    // success unless code is kSubstitute
};

inline unit substitute_unit(std::size_t length, error_code e) noexcept { return {length, kSubstitute, e}; }

inline void write_unit(sjis_writer& w, const unit& u) noexcept {
  if (u.code == kSubstitute) w.substitute();
  else if (u.code != kNoOutput) w.code(u.code);
}

// Writes one decoded unit, keeps the first error of the conversion in `r`,
// and returns how many input bytes the unit took.
inline std::size_t take_unit(sjis_writer& w, result& r, const unit& u) noexcept {
  if (u.error != error_code::success && r.error == error_code::success) r.error = u.error;
  write_unit(w, u);
  return u.length;
}

// Converts with `step(in, i, n)`, which decodes the character at in[i] (a
// byte >= 0x80); ASCII runs are copied directly.
template <class Step>
[[nodiscard]] inline result convert_with(const unsigned char* in, std::size_t n, unsigned char* out, Step step) noexcept {
  result r;
  sjis_writer w{out};
  std::size_t i = 0;
  while (i < n) {
    i = copy_ascii_run(in, i, n, w.out);
    if (i >= n) break;
    i += take_unit(w, r, step(in, i, n));
  }
  r.count = static_cast<std::size_t>(w.out - out);
  return r;
}

// Validates with the same `step`: the first problem and where it starts.
template <class Step>
[[nodiscard]] inline result validate_with(const unsigned char* in, std::size_t n, Step step) noexcept {
  std::size_t i = 0;
  while (i < n) {
    if (in[i] < 0x80) { ++i; continue; }
    unit u = step(in, i, n);
    if (u.error != error_code::success) return {u.error, i};
    i += u.length;
  }
  return {error_code::success, n};
}

}  // namespace nuvel
