// The plug-in's text functions: bounded find-and-replace and the undoing of
// the three references that the antenna page uses in titles and addresses.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vesk {

// Replaces occurrences of `find` in `text`, left to right; the search goes
// on after each inserted replacement, which is never searched again.
// `maximum` > 0 limits the number of replacements; 0 or negative means no
// limit. Returns the number made. An empty `find` replaces nothing.
int ReplaceText(std::u16string& text, std::u16string_view find,
                std::u16string_view replacement, int maximum = 0);

// A copy of `text` with "/～" (U+FF5E) made "/~", then "&quot;" made a
// double quote, then "&amp;" made "&".
std::u16string UnescapeTitle(std::u16string_view text);

// `n` in decimal digits, without sign, blanks or leading zeros.
std::u16string decimal(std::uint64_t n);

}  // namespace vesk
