// Cuts the antenna page into entries. Items are taken back to back from the
// list region; each item's fields are located by fixed positions (the stamp,
// the address from the 54th character) and by markers around them.
#include "plugin/core/page_parser.h"

#include <optional>

namespace vesk {
namespace {

constexpr std::u16string_view kListStart = u"<UL>";
constexpr std::u16string_view kListEnd = u"</UL>";
constexpr std::u16string_view kItemEnd = u"</LI>";
constexpr std::size_t kItemTagLength = 4;  // "<LI>", skipped unseen
constexpr std::size_t kStampLength = 16;
constexpr std::size_t kUrlStart = 53;      // 0-based index of the 54th character
constexpr std::u16string_view kUrlEnd = u"\">\u25C7";
constexpr std::size_t kAfterSecondUrl = 2;  // closing quote and ">" of the link
constexpr std::u16string_view kTitleEnd = u"</A>";
constexpr std::u16string_view kBylineStart = u"&nbsp;&nbsp;";
constexpr std::u16string_view kNoteStart = u"<SMALL>";
constexpr std::u16string_view kNoteEnd = u"</SMALL>";
constexpr auto npos = std::u16string_view::npos;

bool is_gap(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

// Fields of one item text; nullopt when a marker is missing or out of place.
std::optional<Entry> cut_fields(std::u16string_view t) {
  Entry e;
  e.stamp = t.substr(0, kStampLength);

  const std::size_t q = t.find(kUrlEnd);
  if (q == npos || q < kUrlStart) return std::nullopt;
  e.url = t.substr(kUrlStart, q - kUrlStart);

  const std::size_t r = t.find(e.url, q + 1);
  if (r == npos) return std::nullopt;
  const std::size_t title_start = r + e.url.size() + kAfterSecondUrl;
  if (title_start > t.size()) return std::nullopt;

  const std::size_t title_end = t.find(kTitleEnd, title_start);
  if (title_end == npos) return std::nullopt;
  e.title = t.substr(title_start, title_end - title_start);

  const std::size_t marker = t.find(kBylineStart, title_start);
  if (marker == npos) return std::nullopt;
  const std::size_t byline_start = marker + kBylineStart.size();
  const std::size_t byline_end = t.find(kNoteStart, byline_start);
  if (byline_end == npos) return std::nullopt;
  e.byline = t.substr(byline_start, byline_end - byline_start);

  const std::size_t note_start = byline_end + kNoteStart.size();
  const std::size_t note_end = t.find(kNoteEnd, note_start);
  if (note_end == npos) return std::nullopt;
  e.note = t.substr(note_start, note_end - note_start);
  return e;
}

}  // namespace

PageParse parse_page(std::u16string_view text) {
  PageParse result;
  const std::size_t a = text.find(kListStart);
  if (a == npos) return result;
  const std::size_t region_start = a + kListStart.size();
  const std::size_t b = text.find(kListEnd, region_start);
  if (b == npos) return result;
  result.has_list = true;
  const std::u16string_view region = text.substr(region_start, b - region_start);

  std::size_t start = 0;
  while (start < region.size() && result.entries.size() < static_cast<std::size_t>(kMaxEntries)) {
    // A line break or indentation between items must not shift the next one.
    while (start < region.size() && is_gap(region[start])) ++start;
    const std::size_t p = region.find(kItemEnd, start);
    if (p == npos) break;
    if (p >= start + kItemTagLength) {
      const std::u16string_view item =
          region.substr(start + kItemTagLength, p - start - kItemTagLength);
      if (auto entry = cut_fields(item)) result.entries.push_back(std::move(*entry));
    }
    start = p + kItemEnd.size();
  }
  return result;
}

}  // namespace vesk
