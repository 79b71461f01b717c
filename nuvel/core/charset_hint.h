// Reads an HTML or XML charset declaration near the start of a document
// (<meta ... charset=...>, <?xml ... encoding="..."?>).
#pragma once

#include <cstddef>
#include <optional>

#include "nuvel/core/encoding.h"

namespace nuvel {

// Bytes searched for a declaration.
inline constexpr std::size_t kCharsetHintWindow = 1024;

// The encoding that the first declaration in in[0..min(n, window)) names, when
// it names one the engine reads (Shift_JIS aliases such as Windows-31J and
// x-sjis included); nothing otherwise.
[[nodiscard]] std::optional<encoding> find_charset_hint(const char* in, std::size_t n) noexcept;

// The encoding a charset name stands for (case-insensitive), if known.
[[nodiscard]] std::optional<encoding> encoding_from_charset_name(const char* name, std::size_t length) noexcept;

}  // namespace nuvel
