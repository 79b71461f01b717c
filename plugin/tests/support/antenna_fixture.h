// Antenna pages for the tests and the benchmark: items in the page's fixed
// layout (16-character stamp, 37 characters of link markup, the address
// from the 54th character) built from Entry values, and generated entries.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "plugin/core/entry.h"

namespace vesk::fixture {

// The link markup between the stamp and the address: 37 characters.
inline constexpr std::u16string_view kLinkMarkup = u" <A HREF=\"/antenna/jump.cgi?id=000&u=";

inline std::u16string ascii(std::string_view s) { return std::u16string(s.begin(), s.end()); }

// The text between "<LI>" and "</LI>" that parses back to `e`.
inline std::u16string item_text(const Entry& e) {
  return e.stamp + std::u16string(kLinkMarkup) + e.url + u"\">\u25C7</A> <A HREF=\"" + e.url + u"\">" +
         e.title + u"</A> &nbsp;&nbsp;" + e.byline + u"<SMALL>" + e.note + u"</SMALL>";
}

// A whole page; `between` goes between one "</LI>" and the next "<LI>".
inline std::u16string page_text(const std::vector<Entry>& entries, std::u16string_view between = u"") {
  std::u16string page = u"<HTML><BODY>\n<H1>更新アンテナ</H1>\n<UL>";
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (i > 0) page += between;
    page += u"<LI>" + item_text(entries[i]) + u"</LI>";
  }
  return page + u"</UL>\n</BODY></HTML>\n";
}

// "2026/07/DD hh:mm" for a time given in minutes since the month began.
inline std::u16string july_stamp(int minutes) {
  auto two = [](int v) { return ascii(std::string(1, char('0' + v / 10)) + char('0' + v % 10)); };
  const int day = minutes / 1440 + 1;
  return u"2026/07/" + two(day) + u" " + two(minutes % 1440 / 60) + u":" + two(minutes % 60);
}

// `count` entries newest first, 7 minutes apart, the first on 07/23 14:31.
inline std::vector<Entry> make_entries(int count) {
  std::vector<Entry> entries;
  const int newest = 22 * 1440 + 14 * 60 + 31;
  for (int i = 0; i < count; ++i) {
    const std::u16string n = ascii(std::to_string(i));
    entries.push_back(Entry{july_stamp(newest - 7 * i), u"http://site.example/" + n + u"/index.html",
                            u"更新者" + n, u"庭の日記 " + n, n + u"行追加"});
  }
  return entries;
}

}  // namespace vesk::fixture
