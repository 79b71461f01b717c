// Bounded find-and-replace and the undoing of the page's character
// references.
#include "plugin/core/text_funcs.h"

namespace vesk {

int ReplaceText(std::u16string& text, std::u16string_view find,
                std::u16string_view replacement, int maximum) {
  if (find.empty()) return 0;
  int count = 0;
  std::size_t start = 0;
  for (;;) {
    if (maximum > 0 && count == maximum) break;
    const std::size_t p = text.find(find, start);
    if (p == std::u16string::npos) break;
    ++count;
    text.replace(p, find.size(), replacement);
    start = p + replacement.size();  // the inserted text is never searched again
  }
  return count;
}

std::u16string decimal(std::uint64_t n) {
  std::u16string digits;
  do {
    digits.insert(digits.begin(), static_cast<char16_t>(u'0' + n % 10));
    n /= 10;
  } while (n != 0);
  return digits;
}

std::u16string UnescapeTitle(std::u16string_view text) {
  std::u16string copy(text);
  ReplaceText(copy, u"/\uFF5E", u"/~");
  ReplaceText(copy, u"&quot;", u"\"");
  ReplaceText(copy, u"&amp;", u"&");
  return copy;
}

}  // namespace vesk
