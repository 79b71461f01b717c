// Reads the host window's handle from the host's shared-memory block.
#pragma once

#include <cstdint>
#include <string_view>

namespace vesk {

// `block` is the copied block (1024 bytes plus a final 0) converted from
// the ANSI code page, zero bytes as U+0000. From the 5th character on, the
// first U+0001 is followed by the handle in decimal and a CR. Without a
// U+0001 the number is read from the very start up to that CR. Returns 0
// when no number is found, when a U+0001 has no CR after it, or when the
// number does not fit in 32 bits.
std::uint32_t parse_host_block(std::u16string_view block);

}  // namespace vesk
