// Encoding detection (see detect.h). Each candidate reading is mapped to code
// page 932 codes and scored by character class: hiragana, katakana, common
// punctuation and level-1 kanji are what Japanese text is made of; level-2
// kanji, symbols, user-defined codes and half-width katakana next to
// double-byte characters are what a wrong reading produces.
#include "nuvel/core/detect.h"

#include <algorithm>
#include <cstring>

#include "nuvel/core/charset_hint.h"
#include "nuvel/core/cp932_table.h"
#include "nuvel/core/eucjp_to_sjis.h"
#include "nuvel/core/iso2022jp_to_sjis.h"
#include "nuvel/core/cp932_table.h"
#include "nuvel/core/jis.h"
#include "nuvel/core/sjis_validate.h"
#include "nuvel/core/utf8_to_sjis.h"

namespace nuvel {
namespace {

constexpr double kInvalidPenalty = 8.0;
constexpr double kUnmappedPenalty = 4.0;

// Weight of one double-byte code page 932 character.
double double_byte_weight(unsigned code) noexcept {
  if (code >= 0x829F && code <= 0x82F1) return 3.0;   // hiragana
  if (code >= 0x8340 && code <= 0x8396) return 2.5;   // katakana
  if (code >= 0x8140 && code <= 0x815B) return 2.0;   // 、。・ー and friends
  if (code >= 0x815C && code <= 0x81FC) return 1.0;   // other symbols
  if (code >= 0x824F && code <= 0x829A) return 1.0;   // full-width letters and digits
  if (code >= 0x889F && code <= 0x9872) return 2.0;   // level-1 kanji
  if (code >= 0x989F && code <= 0xEAA4) return 0.3;   // level-2 kanji
  if (code >= 0xF040 && code <= 0xF9FC) return -2.0;  // user-defined area
  return 0.5;                                          // Greek, box drawing, NEC/IBM
}

struct scorer {
  double total = 0;
  bool after_double = false;  // the previous character was double-byte

  void ascii() { after_double = false; }
  // `b` is the byte, 0xA1-0xDF. ｡｢｣､･ (0xA1-0xA5) rarely sit inside
  // half-width text, but EUC-JP read as Shift_JIS is full of them: they are
  // the lead bytes of its punctuation, hiragana and katakana rows.
  void half_width(unsigned b) {
    total += b <= 0xA5 ? 0.3 : after_double ? 0.4 : 1.2;
    after_double = false;
  }
  void double_byte(unsigned code) {
    total += double_byte_weight(code);
    after_double = true;
  }
  // EUC-JP's 0x8E-prefixed half-width katakana: two bytes that a Shift_JIS
  // reading takes for a level-1 kanji (0x8EA1-0x8EDF), so it must outweigh
  // one; it cannot come from a misread of other text.
  void euc_half_width() {
    total += 2.2;
    after_double = false;
  }
  void cp932(unsigned code) {
    if (code < 0x100) half_width(code); else double_byte(code);
  }
  void invalid() { total -= kInvalidPenalty; after_double = false; }
  void unmapped() { total -= kUnmappedPenalty; after_double = true; }
};

inline bool gr(unsigned b) { return b >= 0xA1 && b <= 0xFE; }

double score_eucjp(const unsigned char* p, std::size_t n) noexcept {
  scorer s;
  for (std::size_t i = 0; i < n;) {
    unsigned b = p[i];
    if (b < 0x80) { s.ascii(); ++i; continue; }
    std::size_t need = b == 0x8F ? 3 : 2;
    if (i + need > n) break;  // cut by the end
    if (b == 0x8E && p[i + 1] >= 0xA1 && p[i + 1] <= 0xDF) { s.euc_half_width(); i += 2; continue; }
    if (b == 0x8F && gr(p[i + 1]) && gr(p[i + 2])) {
      if (cp932_from_jisx0212(p[i + 1] & 0x7F, p[i + 2] & 0x7F)) s.double_byte(0xFA40); else s.unmapped();
      i += 3;
      continue;
    }
    if (gr(b) && gr(p[i + 1])) {
      unsigned code = cp932_from_jisx0208(b & 0x7F, p[i + 1] & 0x7F);
      if (code) s.double_byte(code); else s.unmapped();
      i += 2;
      continue;
    }
    s.invalid();
    ++i;
  }
  return s.total;
}

double score_sjis(const unsigned char* p, std::size_t n) noexcept {
  scorer s;
  for (std::size_t i = 0; i < n;) {
    unsigned b = p[i];
    if (b < 0x80) { s.ascii(); ++i; continue; }
    if (b >= 0xA1 && b <= 0xDF) { s.half_width(b); ++i; continue; }
    bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    if (lead && i + 1 >= n) break;  // cut by the end
    unsigned t = lead ? p[i + 1] : 0;
    if (lead && t >= 0x40 && t <= 0xFC && t != 0x7F) {
      if (cp932_double_byte_assigned(b, t)) s.double_byte((b << 8) | t); else s.unmapped();
      i += 2;
      continue;
    }
    s.invalid();
    ++i;
  }
  return s.total;
}

double score_utf8(const unsigned char* p, std::size_t n) noexcept {
  scorer s;
  for (std::size_t i = 0; i < n;) {
    unsigned b = p[i];
    if (b < 0x80) { s.ascii(); ++i; continue; }
    std::size_t need = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : 1;
    if (b < 0xC2 || b > 0xF4) { s.invalid(); ++i; continue; }
    if (i + need >= n) {  // cut by the end: a valid start still counts a little
      bool prefix = true;
      for (std::size_t k = i + 1; k < n; ++k) prefix = prefix && (p[k] & 0xC0) == 0x80;
      if (prefix) s.total += 1.0;
      break;
    }
    std::uint32_t cp = b & (0x3F >> need);
    std::size_t k = 1;
    for (; k <= need && (p[i + k] & 0xC0) == 0x80; ++k) cp = (cp << 6) | (p[i + k] & 0x3F);
    if (k <= need) { s.invalid(); i += k; continue; }
    unsigned code = cp932_from_unicode(cp);
    // Valid multi-byte UTF-8 is rare in other encodings: a small bonus each.
    if (code >= 0x100 || (code >= 0xA1 && code <= 0xDF)) s.cp932(code);
    else s.double_byte(0);  // a character outside code page 932 (é, emoji)
    s.total += 0.5;
    i += need + 1;
  }
  return s.total;
}

struct seven_bit_scan {
  std::size_t stop;  // offset of the first byte >= 0x80 or escape, n when none
  bool escape;       // stopped at a known ISO-2022-JP escape
};

seven_bit_scan scan_seven_bit(const char* in, std::size_t n) noexcept {
  auto p = reinterpret_cast<const unsigned char*>(in);
  std::size_t i = 0;
  while (i < n) {
    if (i + 8 <= n) {
      std::uint64_t w;
      std::memcpy(&w, p + i, 8);
      constexpr std::uint64_t ones = 0x0101010101010101ull, highs = 0x8080808080808080ull;
      std::uint64_t x = w ^ (ones * 0x1B);
      if (!(w & highs) && !((x - ones) & ~x & highs)) { i += 8; continue; }
    }
    if (p[i] >= 0x80) break;
    if (p[i] == 0x1B && is_iso2022jp_escape(in, i, n)) return {i, true};
    // An escape cut by the end ("ESC $", "ESC $ (") is still one.
    if (p[i] == 0x1B && n - i <= 3 && n - i >= 2 && p[i + 1] == '$') return {i, true};
    ++i;
  }
  return {i, false};
}

// Whether the bytes are valid in the declared encoding (a sequence cut by the
// end of the scored window aside).
bool agrees(encoding e, const char* in, std::size_t n) noexcept {
  result r;
  switch (e) {
    case encoding::eucjp: r = validate_eucjp(in, n); break;
    case encoding::shift_jis: r = validate_sjis(in, n); break;
    case encoding::utf8: r = validate_utf8(in, n); break;
    default: return false;
  }
  return r.error == error_code::success || r.error == error_code::truncated;
}

}  // namespace

double japanese_score(encoding e, const char* in, std::size_t n) noexcept {
  auto p = reinterpret_cast<const unsigned char*>(in);
  switch (e) {
    case encoding::eucjp: return score_eucjp(p, n);
    case encoding::shift_jis: return score_sjis(p, n);
    case encoding::utf8: return score_utf8(p, n);
    default: return 0;
  }
}

encoding detect_encoding(const char* in, std::size_t n) noexcept {
  auto p = reinterpret_cast<const unsigned char*>(in);
  if (n >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF) return encoding::utf8;
  if (n >= 2 && p[0] == 0xFF && p[1] == 0xFE) return encoding::utf16le;
  if (n >= 2 && p[0] == 0xFE && p[1] == 0xFF) return encoding::utf16be;

  seven_bit_scan scan = scan_seven_bit(in, n);
  if (scan.escape) return encoding::iso2022jp;
  if (scan.stop == n) return encoding::ascii;

  const char* window = in + scan.stop;
  std::size_t len = std::min(n - scan.stop, kDetectWindow);
  std::optional<encoding> hint = find_charset_hint(in, n);
  if (hint && hint != encoding::iso2022jp && agrees(*hint, window, len)) return *hint;
  const encoding candidates[] = {encoding::utf8, encoding::shift_jis, encoding::eucjp};
  encoding best = encoding::shift_jis;
  double best_score = -1e300;
  for (encoding e : candidates) {
    double s = japanese_score(e, window, len);
    if (s > best_score) { best = e; best_score = s; }
  }
  return best;
}

}  // namespace nuvel
