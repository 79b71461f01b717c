// One update line of the antenna page: the record that the parser produces,
// the store keeps and the menu offers.
#pragma once

#include <string>

namespace vesk {

// Five text fields, exactly as cut from the page (no trimming, no decoding
// of character references).
struct Entry {
  std::u16string stamp;   // "YYYY/MM/DD hh:mm" on a well-formed page
  std::u16string url;
  std::u16string byline;
  std::u16string title;
  std::u16string note;

  friend bool operator==(const Entry&, const Entry&) = default;
};

// Most entries taken from one page and most records read from one store file.
inline constexpr int kMaxEntries = 1000;

}  // namespace vesk
