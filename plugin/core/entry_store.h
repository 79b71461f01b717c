// The entry store files ("vesk_old.dat", "vesk_new.dat"): one line per
// entry, fields in the order stamp, url, title, byline, note. Also the
// numeric comparison key of a stamp.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "plugin/core/entry.h"

namespace vesk {

// One stored line, ended by CR LF. Plain fields are written as they are; a
// field holding a comma, CR or LF, or beginning with a double quote or a
// blank, is written in double quotes with inner quotes doubled, so that
// FieldReader reads it back whole.
std::u16string stored_line(const Entry& entry);

// The whole file: the stored line of each entry in order (empty for none).
std::u16string store_text(const std::vector<Entry>& entries);

// Reads the records of a store file, at most kMaxEntries. Only complete
// records count: five fields and the line end (fields beyond the fifth are
// passed over); reading stops at the first incomplete one. An empty text
// gives no records.
std::vector<Entry> read_store(std::u16string_view text);

// Comparison key of a stamp: the characters at 1-based positions 1-4, 6-7,
// 9-10, 12-13 and 15-16 joined and read as a decimal number (blanks
// ignored, reading stops at the first non-digit, no digit gives 0). For
// "2024/07/23 14:31" this is 202407231431.
std::int64_t stamp_value(std::u16string_view stamp);

}  // namespace vesk
