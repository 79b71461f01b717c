// Finds the host window's handle in the shared-memory block: the decimal
// number between the first U+0001 and the first CR from the 5th character.
#include "plugin/core/host_block.h"

#include <limits>

namespace vesk {

std::uint32_t parse_host_block(std::u16string_view block) {
  constexpr std::size_t kSearchFrom = 4;  // the 5th character
  if (block.size() <= kSearchFrom) return 0;
  const std::size_t one = block.find(u'\x01', kSearchFrom);
  const std::size_t cr = block.find(u'\r', kSearchFrom);
  if (cr == std::u16string_view::npos) return 0;  // no text to read either way
  std::size_t from = 0;
  if (one != std::u16string_view::npos) {
    if (cr < one) return 0;  // a byte 1 with no CR after it
    from = one + 1;
  }
  std::size_t i = from;
  while (i < cr && block[i] == u' ') ++i;
  std::uint64_t value = 0;
  bool any = false;
  for (; i < cr && block[i] >= u'0' && block[i] <= u'9'; ++i) {
    value = value * 10 + (block[i] - u'0');
    if (value > std::numeric_limits<std::uint32_t>::max()) return 0;
    any = true;
  }
  return any ? static_cast<std::uint32_t>(value) : 0;
}

}  // namespace vesk
