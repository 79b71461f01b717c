// New-entry detection: which leading entries of the page are newer than the
// first entry stored at the previous check, and what the mascot announces.
#pragma once

#include <string>
#include <vector>

#include "plugin/core/entry.h"

namespace vesk {

enum class Outcome { NoPreviousData, NewEntries, NothingNew };

struct Detection {
  Outcome outcome = Outcome::NoPreviousData;
  // Page entries 1 to k (k >= 1 only for NewEntries), in page order.
  std::vector<Entry> new_entries;
};

// `previous` is the stored page of the last check (nullptr or empty: no
// previous data). Page entries are taken from the first while their stamp
// value is strictly greater than that of previous record 1; the first one
// that is not newer ends the search. With NoPreviousData the caller leaves
// "vesk_new.dat" alone; otherwise it writes store_text(new_entries) there.
Detection detect_new(const std::vector<Entry>& page, const std::vector<Entry>* previous);

// The text to announce for `detection`: the no-previous-data text, the
// nothing-new text, or the menu script of the new entries.
std::u16string announcement_for(const Detection& detection);

}  // namespace vesk
