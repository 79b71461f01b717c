// New-entry detection against the first stored record, and the choice of
// the announcement.
#include "plugin/core/detection.h"

#include "plugin/core/announcements.h"
#include "plugin/core/entry_store.h"
#include "plugin/core/menu_script.h"

namespace vesk {

Detection detect_new(const std::vector<Entry>& page, const std::vector<Entry>* previous) {
  Detection d;
  if (previous == nullptr || previous->empty()) {
    d.outcome = Outcome::NoPreviousData;
    return d;
  }
  const std::int64_t old_value = stamp_value(previous->front().stamp);
  for (const Entry& e : page) {
    if (stamp_value(e.stamp) <= old_value) break;  // the page is newest first
    d.new_entries.push_back(e);
  }
  d.outcome = d.new_entries.empty() ? Outcome::NothingNew : Outcome::NewEntries;
  return d;
}

std::u16string announcement_for(const Detection& detection) {
  switch (detection.outcome) {
    case Outcome::NoPreviousData: return kTextNoPreviousData;
    case Outcome::NothingNew: return kTextNothingNew;
    case Outcome::NewEntries: break;
  }
  return build_menu_script(detection.new_entries);
}

}  // namespace vesk
