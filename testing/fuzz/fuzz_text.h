// Turns fuzz input bytes into the UTF-16 text the plug-in core works on.
// UTF-8 sequences decode to their code point so that seed pages stay
// readable; any other byte becomes the code unit of the same value, so
// every input maps to some text and control characters stay reachable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

inline std::u16string fuzz_text(const std::uint8_t* data, std::size_t size) {
  std::u16string out;
  out.reserve(size);
  std::size_t i = 0;
  while (i < size) {
    std::uint8_t b = data[i];
    if (b >= 0xE0 && b < 0xF0 && i + 2 < size && (data[i + 1] & 0xC0) == 0x80 && (data[i + 2] & 0xC0) == 0x80) {
      out.push_back(static_cast<char16_t>(((b & 0x0F) << 12) | ((data[i + 1] & 0x3F) << 6) | (data[i + 2] & 0x3F)));
      i += 3;
    } else if (b >= 0xC2 && b < 0xE0 && i + 1 < size && (data[i + 1] & 0xC0) == 0x80) {
      out.push_back(static_cast<char16_t>(((b & 0x1F) << 6) | (data[i + 1] & 0x3F)));
      i += 2;
    } else {
      out.push_back(static_cast<char16_t>(b));
      i += 1;
    }
  }
  return out;
}

// Stops the run with a crash report when a property of the code is broken.
#define FUZZ_CHECK(cond)                                   \
  do {                                                     \
    if (!(cond)) {                                         \
      __builtin_printf("property failed: %s\n", #cond);    \
      std::abort();                                        \
    }                                                      \
  } while (0)
