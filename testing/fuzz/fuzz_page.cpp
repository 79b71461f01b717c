// The downloaded page goes through the parser, the detection against a
// stored page and the menu script. Whatever the page holds, the result
// stays within the entry limit, survives a store round trip, and the script
// keeps one request line per menu page and entry label: no title can add a
// line of its own.
#include <cstdint>

#include "plugin/core/detection.h"
#include "plugin/core/entry_store.h"
#include "plugin/core/menu_script.h"
#include "plugin/core/page_parser.h"
#include "testing/fuzz/fuzz_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::u16string text = fuzz_text(data, size);
  vesk::PageParse page = vesk::parse_page(text);
  FUZZ_CHECK(page.entries.size() <= static_cast<std::size_t>(vesk::kMaxEntries));
  FUZZ_CHECK(page.has_list || page.entries.empty());

  std::vector<vesk::Entry> stored = vesk::read_store(vesk::store_text(page.entries));
  FUZZ_CHECK(stored == page.entries);

  // Compare with a previous page whose first stamp is the page's last one,
  // so that some leading entries count as new.
  std::vector<vesk::Entry> previous;
  if (!page.entries.empty()) previous.push_back(page.entries.back());
  vesk::Detection d = vesk::detect_new(page.entries, &previous);
  FUZZ_CHECK(d.new_entries.size() <= page.entries.size());
  if (d.new_entries.empty()) return 0;

  std::u16string script = vesk::build_menu_script(d.new_entries);
  std::size_t k = d.new_entries.size();
  std::size_t lines = 1, pos = 0;
  while ((pos = script.find(u"\r\n", pos)) != std::u16string::npos) {
    pos += 2;
    FUZZ_CHECK(script.compare(pos, 7, u"Entry: ") == 0);
    ++lines;
  }
  FUZZ_CHECK(lines == 1 + (k + 6) / 7 + k);
  for (std::size_t i = 0; i < script.size(); ++i) {
    char16_t c = script[i];
    bool line_end = c == u'\r' && i + 1 < script.size() && script[i + 1] == u'\n';
    if (line_end) {
      ++i;
      continue;
    }
    FUZZ_CHECK(c >= 0x20 && c != 0x7F);
  }
  return 0;
}
