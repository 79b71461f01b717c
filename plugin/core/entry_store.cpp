// Writing and reading the entry store lines, and the stamp's numeric key.
#include "plugin/core/entry_store.h"

#include "plugin/core/field_reader.h"

namespace vesk {
namespace {

// True when the field would not read back as written without quotes.
bool needs_quotes(std::u16string_view field) {
  if (field.empty()) return false;
  if (field.front() == u'"' || field.front() == u' ') return true;
  return field.find_first_of(u",\r\n") != std::u16string_view::npos;
}

void append_field(std::u16string& line, std::u16string_view field) {
  if (!needs_quotes(field)) {
    line.append(field);
    return;
  }
  line.push_back(u'"');
  for (char16_t c : field) {
    if (c == u'"') line.push_back(u'"');
    line.push_back(c);
  }
  line.push_back(u'"');
}

}  // namespace

std::u16string stored_line(const Entry& entry) {
  std::u16string line;
  append_field(line, entry.stamp);
  line.push_back(u',');
  append_field(line, entry.url);
  line.push_back(u',');
  append_field(line, entry.title);
  line.push_back(u',');
  append_field(line, entry.byline);
  line.push_back(u',');
  append_field(line, entry.note);
  line.append(u"\r\n");
  return line;
}

std::u16string store_text(const std::vector<Entry>& entries) {
  std::u16string text;
  for (const Entry& e : entries) text.append(stored_line(e));
  return text;
}

std::vector<Entry> read_store(std::u16string_view text) {
  std::vector<Entry> records;
  FieldReader reader(text);
  while (!reader.at_end() && records.size() < static_cast<std::size_t>(kMaxEntries)) {
    Entry e;
    // Stored order: stamp, url, title, byline, note.
    if (!reader.next(e.stamp) || !reader.next(e.url) || !reader.next(e.title) ||
        !reader.next(e.byline) || !reader.next(e.note)) {
      break;
    }
    // Fields beyond the fifth belong to no record and are passed over.
    std::u16string extra;
    while (!reader.line_ended() && reader.next(extra)) {
    }
    // A record is complete only with its line end: a file cut short must
    // not yield a shortened last field.
    if (!reader.line_ended()) break;
    records.push_back(std::move(e));
  }
  return records;
}

std::int64_t stamp_value(std::u16string_view stamp) {
  // Year, month, day, hour and minute without their separators.
  struct Span { std::size_t from, count; };
  constexpr Span kSpans[] = {{0, 4}, {5, 2}, {8, 2}, {11, 2}, {14, 2}};
  std::u16string digits;
  for (const Span& s : kSpans) {
    if (s.from < stamp.size()) digits.append(stamp.substr(s.from, s.count));
  }
  std::int64_t value = 0;
  for (char16_t c : digits) {
    if (c == u' ' || c == u'\t') continue;
    if (c < u'0' || c > u'9') break;
    value = value * 10 + (c - u'0');  // at most 12 digits: no overflow
  }
  return value;
}

}  // namespace vesk
