// ISO-2022-JP to code page 932 (see iso2022jp_to_sjis.h).
#include "nuvel/core/iso2022jp_to_sjis.h"

#include <cstdint>
#include <cstring>

#include "nuvel/core/cp932_table.h"
#include "nuvel/core/jis.h"
#include "nuvel/core/unit.h"

namespace nuvel {
namespace {

enum class mode { ascii, katakana, jisx0208, jisx0212 };

struct escape {
  const char* bytes;  // after the ESC
  std::size_t length;
  mode designates;
  bool ignore;  // ESC & @ changes nothing
};

constexpr escape kEscapes[] = {
    {"(B", 2, mode::ascii, false},     {"(J", 2, mode::ascii, false},
    {"(I", 2, mode::katakana, false},  {"$@", 2, mode::jisx0208, false},
    {"$B", 2, mode::jisx0208, false},  {"$(B", 3, mode::jisx0208, false},
    {"$(@", 3, mode::jisx0208, false}, {"$(D", 3, mode::jisx0212, false},
    {"&@", 2, mode::ascii, true},
};

constexpr unsigned kEsc = 0x1B, kShiftOut = 0x0E, kShiftIn = 0x0F;

// The escape at in[i]: 0 when unknown, SIZE_MAX when the input ends inside a
// prefix of a known one, else its length and the table row in *found.
std::size_t match_escape(const unsigned char* in, std::size_t i, std::size_t n, const escape** found) noexcept {
  std::size_t left = n - i - 1;
  bool prefix = false;
  for (const escape& e : kEscapes) {
    if (left >= e.length) {
      if (std::memcmp(in + i + 1, e.bytes, e.length) == 0) {
        *found = &e;
        return e.length + 1;
      }
    } else if (std::memcmp(in + i + 1, e.bytes, left) == 0) {
      prefix = true;
    }
  }
  return prefix ? SIZE_MAX : 0;
}

struct decoder {
  mode current = mode::ascii;
  bool shifted = false;  // SO: JIS X 0201 katakana until SI

  unit step(const unsigned char* in, std::size_t i, std::size_t n) noexcept {
    unsigned b = in[i];
    if (b == kEsc) {
      const escape* e = nullptr;
      std::size_t len = match_escape(in, i, n, &e);
      if (len == SIZE_MAX) return substitute_unit(n - i, error_code::truncated);
      if (len == 0) return substitute_unit(1, error_code::bad_escape);
      if (!e->ignore) {
        current = e->designates;
        shifted = false;
      }
      return {len, kNoOutput, error_code::success};
    }
    if (b == kShiftOut) { shifted = true; return {1, kNoOutput, error_code::success}; }
    if (b == kShiftIn) { shifted = false; return {1, kNoOutput, error_code::success}; }
    if (b < 0x21) return {1, b, error_code::success};
    if (b >= 0x80) {
      if (b >= 0xA1 && b <= 0xDF) return {1, b, error_code::success};
      return substitute_unit(1, error_code::invalid_sequence);
    }
    mode m = shifted ? mode::katakana : current;
    switch (m) {
      case mode::ascii:
        return {1, b, error_code::success};
      case mode::katakana:
        if (b <= 0x5F) return {1, b | 0x80, error_code::success};
        return substitute_unit(1, error_code::invalid_sequence);
      case mode::jisx0208:
      case mode::jisx0212: {
        if (b == 0x7F) return substitute_unit(1, error_code::invalid_sequence);
        if (n - i < 2) return substitute_unit(1, error_code::truncated);
        unsigned c = in[i + 1];
        if (c < 0x21 || c > 0x7E) return substitute_unit(1, error_code::invalid_sequence);
        unsigned code = m == mode::jisx0208 ? cp932_from_jisx0208(b, c) : cp932_from_jisx0212(b, c);
        if (code == 0) return substitute_unit(2, error_code::unmapped);
        return {2, code, error_code::success};
      }
    }
    return substitute_unit(1, error_code::invalid_sequence);
  }
};

// Copies plain ASCII (no ESC, SO, SI, no byte >= 0x80), eight bytes at a time
// while it can.
inline std::size_t copy_plain_run(const unsigned char* in, std::size_t i, std::size_t n, unsigned char*& out) noexcept {
  constexpr std::uint64_t ones = 0x0101010101010101ull, highs = 0x8080808080808080ull;
  auto has_byte = [](std::uint64_t w, std::uint64_t b) {
    std::uint64_t x = w ^ (ones * b);
    return (x - ones) & ~x & highs;
  };
  std::size_t start = i;
  while (i + 8 <= n) {
    std::uint64_t w;
    std::memcpy(&w, in + i, 8);
    if ((w & highs) | has_byte(w, kEsc) | has_byte(w, kShiftOut) | has_byte(w, kShiftIn)) break;
    std::memcpy(out + (i - start), &w, 8);
    i += 8;
  }
  while (i < n && in[i] < 0x80 && in[i] != kEsc && in[i] != kShiftOut && in[i] != kShiftIn) {
    out[i - start] = in[i];
    ++i;
  }
  out += i - start;
  return i;
}

}  // namespace

result convert_iso2022jp_to_sjis(const char* in, std::size_t n, char* out) noexcept {
  auto p = reinterpret_cast<const unsigned char*>(in);
  auto o = reinterpret_cast<unsigned char*>(out);
  result r;
  sjis_writer w{o};
  decoder d;
  const std::uint16_t* jis = jisx0208_table();
  std::size_t i = 0;
  while (i < n) {
    if (d.current == mode::ascii && !d.shifted) {
      i = copy_plain_run(p, i, n, w.out);
      if (i >= n) break;
    } else if (d.current == mode::jisx0208 && !d.shifted) {
      // The common case inline: a run of assigned JIS X 0208 pairs.
      while (i + 1 < n) {
        unsigned j1 = p[i] - 0x21u, j2 = p[i + 1] - 0x21u;
        unsigned code = j1 < 94 && j2 < 94 ? jis[j1 * 94 + j2] : 0;
        if (!code) break;
        w.pair(code);
        i += 2;
      }
      if (i >= n) break;
    }
    // The two escapes that make up nearly all real text, inline.
    if (p[i] == kEsc && i + 2 < n && p[i + 2] == 'B' && (p[i + 1] == '$' || p[i + 1] == '(')) {
      d.current = p[i + 1] == '$' ? mode::jisx0208 : mode::ascii;
      d.shifted = false;
      i += 3;
      continue;
    }
    i += take_unit(w, r, d.step(p, i, n));
  }
  r.count = static_cast<std::size_t>(w.out - o);
  return r;
}

result validate_iso2022jp(const char* in, std::size_t n) noexcept {
  auto p = reinterpret_cast<const unsigned char*>(in);
  decoder d;
  for (std::size_t i = 0; i < n;) {
    unit u = d.step(p, i, n);
    if (u.error != error_code::success) return {u.error, i};
    i += u.length;
  }
  return {error_code::success, n};
}

bool is_iso2022jp_escape(const char* in, std::size_t i, std::size_t n) noexcept {
  auto p = reinterpret_cast<const unsigned char*>(in);
  const escape* e = nullptr;
  std::size_t len = i < n && p[i] == kEsc ? match_escape(p, i, n, &e) : 0;
  return len != 0 && len != SIZE_MAX;
}

}  // namespace nuvel
