// Encoding detection for Japanese text: byte-order marks, then ISO-2022-JP
// escape sequences, then a likelihood score of the bytes read as EUC-JP,
// Shift_JIS and UTF-8, with an HTML/XML charset declaration taken when the
// bytes agree with it.
#pragma once

#include <cstddef>

#include "nuvel/core/encoding.h"

namespace nuvel {

// Bytes scored, counted from the first byte >= 0x80; more changes nothing
// for real text and keeps detection of large inputs cheap.
inline constexpr std::size_t kDetectWindow = 64 * 1024;

// The encoding of in[0..n). Pure 7-bit input without an escape sequence is
// `ascii` (every reading gives the same bytes). Never reads past in + n.
[[nodiscard]] encoding detect_encoding(const char* in, std::size_t n) noexcept;

// How Japanese the bytes read in `e` (eucjp, shift_jis or utf8): a sum of
// per-character weights minus penalties for invalid and unmapped sequences.
// A sequence cut by the end of the input is not penalised. For tests and
// tuning.
[[nodiscard]] double japanese_score(encoding e, const char* in, std::size_t n) noexcept;

}  // namespace nuvel
