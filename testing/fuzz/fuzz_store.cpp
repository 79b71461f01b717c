// Store files come from disk, where anything may have happened to them.
// Reading any text gives at most the entry limit of complete records, and
// any entries written by the store read back exactly, whatever their fields
// hold (commas, quotes, line breaks, leading blanks).
#include <cstdint>

#include "plugin/core/entry_store.h"
#include "plugin/core/field_reader.h"
#include "testing/fuzz/fuzz_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::u16string text = fuzz_text(data, size);

  std::vector<vesk::Entry> records = vesk::read_store(text);
  FUZZ_CHECK(records.size() <= static_cast<std::size_t>(vesk::kMaxEntries));
  FUZZ_CHECK(vesk::read_store(vesk::store_text(records)) == records);

  vesk::FieldReader reader(text);
  std::u16string field;
  std::size_t fields = 0;
  while (reader.next(field)) FUZZ_CHECK(++fields <= text.size() + 1);
  FUZZ_CHECK(reader.at_end());

  // The input split at U+0001 gives the fields of entries to write.
  std::vector<vesk::Entry> entries;
  std::vector<std::u16string> parts(1);
  for (char16_t c : text) {
    if (c == 1) parts.emplace_back();
    else parts.back().push_back(c);
  }
  for (std::size_t i = 0; i + 5 <= parts.size() && entries.size() < 50; i += 5) {
    entries.push_back({parts[i], parts[i + 1], parts[i + 2], parts[i + 3], parts[i + 4]});
  }
  FUZZ_CHECK(vesk::read_store(vesk::store_text(entries)) == entries);
  (void)vesk::stamp_value(text);
  return 0;
}
