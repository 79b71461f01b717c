// Cuts the converted antenna page into entries: the list region between
// "<UL>" and "</UL>", one item per "</LI>", and five fields per item found
// at fixed positions and by their surrounding markup.
#pragma once

#include <string_view>
#include <vector>

#include "plugin/core/entry.h"

namespace vesk {

struct PageParse {
  // False when the text holds no "<UL>" followed by a "</UL>": the download
  // did not bring an antenna page. True with no entries for an empty list.
  bool has_list = false;
  // Page order, newest first; entries[0] is the page's first item.
  std::vector<Entry> entries;
};

// Parses the whole page text. Blanks, tabs, CR and LF before an item are
// skipped; an item that lacks a marker its fields need is left out; at most
// kMaxEntries entries are returned. Never reads outside `text`.
PageParse parse_page(std::u16string_view text);

}  // namespace vesk
