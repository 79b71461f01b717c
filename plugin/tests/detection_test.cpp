// New-entry detection: strictly newer than the first stored record, taken
// from the top of the page and ended by the first entry that is not newer.
#include "plugin/core/detection.h"

#include <gtest/gtest.h>

#include "plugin/core/announcements.h"
#include "plugin/core/menu_script.h"
#include "plugin/tests/support/antenna_fixture.h"

namespace vesk {
namespace {

Entry stamped(std::u16string stamp) {
  return Entry{std::move(stamp), u"http://a.example/", u"b", u"t", u"n"};
}

std::vector<Entry> page_of(std::initializer_list<const char16_t*> stamps) {
  std::vector<Entry> page;
  for (const char16_t* s : stamps) page.push_back(stamped(s));
  return page;
}

TEST(Detection, NoPreviousData) {
  const auto page = fixture::make_entries(3);
  const std::vector<Entry> empty;
  for (const std::vector<Entry>* previous : {static_cast<const std::vector<Entry>*>(nullptr), &empty}) {
    const Detection d = detect_new(page, previous);
    EXPECT_EQ(d.outcome, Outcome::NoPreviousData);
    EXPECT_TRUE(d.new_entries.empty());
    EXPECT_EQ(announcement_for(d), kTextNoPreviousData);
  }
}

TEST(Detection, Table) {
  struct Case {
    std::vector<Entry> page;
    std::u16string first_stored;
    std::size_t k;
  };
  const Case cases[] = {
      // unchanged page: equal is not newer
      {page_of({u"2026/07/23 14:31", u"2026/07/23 09:59"}), u"2026/07/23 14:31", 0},
      // two newer entries, then the stored one
      {page_of({u"2026/07/23 14:31", u"2026/07/23 14:30", u"2026/07/23 09:59"}), u"2026/07/23 09:59", 2},
      // compared as numbers: 14:31 is newer than 09:59, the 1st newer than the 31st before
      {page_of({u"2026/07/23 14:31"}), u"2026/07/23 09:59", 1},
      {page_of({u"2026/08/01 00:00"}), u"2026/07/31 23:59", 1},
      // the first entry is older: later newer entries are never looked at
      {page_of({u"2026/07/20 10:00", u"2026/07/25 10:00"}), u"2026/07/21 10:00", 0},
      // a newer entry after one that is not newer is not found
      {page_of({u"2026/07/23 14:31", u"2026/07/20 10:00", u"2026/07/23 14:00"}), u"2026/07/21 10:00", 1},
      // every entry newer
      {page_of({u"2026/07/23 14:31", u"2026/07/23 14:30", u"2026/07/23 14:29"}), u"2025/01/01 00:00", 3},
      // a page without entries
      {{}, u"2026/07/21 10:00", 0},
  };
  for (const Case& c : cases) {
    const std::vector<Entry> previous = {stamped(c.first_stored), stamped(u"2099/01/01 00:00")};
    const Detection d = detect_new(c.page, &previous);
    ASSERT_EQ(d.new_entries.size(), c.k);
    EXPECT_EQ(d.outcome, c.k > 0 ? Outcome::NewEntries : Outcome::NothingNew);
    for (std::size_t n = 0; n < c.k; ++n) EXPECT_EQ(d.new_entries[n], c.page[n]);
  }
}

TEST(Detection, AnnouncementOfEachOutcome) {
  const auto page = fixture::make_entries(5);
  const std::vector<Entry> previous(page.begin() + 2, page.end());
  const Detection some = detect_new(page, &previous);
  ASSERT_EQ(some.outcome, Outcome::NewEntries);
  EXPECT_EQ(announcement_for(some), build_menu_script({page[0], page[1]}));
  const Detection none = detect_new(page, &page);
  EXPECT_EQ(announcement_for(none), kTextNothingNew);
}

}  // namespace
}  // namespace vesk
