// Helpers for the engine's tests: run a conversion into an exactly sized
// buffer with guard bytes behind it, and print bytes as hex.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "nuvel/core/convert.h"

namespace nuvel::test {

inline std::string hex(const std::string& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string s;
  for (unsigned char c : bytes) {
    if (!s.empty()) s += ' ';
    s += digits[c >> 4];
    s += digits[c & 15];
  }
  return s;
}

struct converted {
  std::string bytes;
  error_code error;
};

// Converts `in` (copied into a buffer of exactly its size) into a buffer of
// exactly sjis_length_upper_bound() bytes followed by guard bytes, and fails
// the test when a guard byte changed or the count is out of bounds.
inline converted convert(encoding from, const std::string& in) {
  std::vector<char> input(in.begin(), in.end());
  const std::size_t bound = sjis_length_upper_bound(in.size());
  std::vector<char> out(bound + 16, '\x5A');
  result r = convert_to_sjis(from, input.data(), input.size(), out.data());
  EXPECT_LE(r.count, bound);
  for (std::size_t k = bound; k < out.size(); ++k) EXPECT_EQ(out[k], '\x5A') << "guard byte " << k - bound;
  return {std::string(out.data(), r.count), r.error};
}

}  // namespace nuvel::test
