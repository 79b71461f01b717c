// Vets an entry's address before it is handed to the shell's "open" verb,
// which would run programs and open files as readily as web pages.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "plugin/core/ansi_codec.h"

namespace vesk {

// `ansi_bytes` is the address after UnescapeTitle, in the ANSI code page.
// Accepts only an absolute http:// or https:// address (scheme in any
// case) with a host, and without control characters; returns it with each
// double quote as %22 and each blank as %20. nullopt otherwise.
std::optional<std::string> browser_address(std::string_view ansi_bytes);

// The whole road from a stored address: UnescapeTitle, conversion with
// `codec` (an address that does not convert exactly is refused), then
// browser_address.
std::optional<std::string> browser_address_for(std::u16string_view url, const AnsiCodec& codec);

}  // namespace vesk
