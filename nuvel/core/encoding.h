// The encodings the engine reads. Shift_JIS means code page 932 throughout.
#pragma once

namespace nuvel {

enum class encoding {
  ascii,      // only bytes 0x00-0x7F and no escape sequence: any reading fits
  iso2022jp,  // ISO-2022-JP (7-bit, escape sequences)
  eucjp,      // EUC-JP
  utf8,       // UTF-8 (a byte-order mark is skipped)
  shift_jis,  // Shift_JIS / code page 932
  utf16le,    // UTF-16, little-endian (a byte-order mark is skipped)
  utf16be,    // UTF-16, big-endian (a byte-order mark is skipped)
};

// A short name of `e` ("EUC-JP") for logs, tests and figures.
[[nodiscard]] const char* to_string(encoding e) noexcept;

}  // namespace nuvel
