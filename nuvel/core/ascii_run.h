// The shared fast path: copies a run of ASCII bytes eight at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace nuvel {

// Copies bytes from in[i] up to the first byte >= 0x80 (or n) to out and
// returns the new i; out advances by the same amount.
[[nodiscard]] inline std::size_t copy_ascii_run(const unsigned char* in, std::size_t i, std::size_t n,
                                                unsigned char*& out) noexcept {
  std::size_t start = i;
  while (i + 8 <= n) {
    std::uint64_t w;
    std::memcpy(&w, in + i, 8);
    if (w & 0x8080808080808080ull) break;
    std::memcpy(out + (i - start), &w, 8);
    i += 8;
  }
  while (i < n && in[i] < 0x80) {
    out[i - start] = in[i];
    ++i;
  }
  out += i - start;
  return i;
}

}  // namespace nuvel
