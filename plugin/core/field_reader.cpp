// Sequential field input over comma-separated text with CR LF line ends.
#include "plugin/core/field_reader.h"

namespace vesk {
namespace {

constexpr char16_t kQuote = u'"';

bool line_end_at(std::u16string_view text, std::size_t i) {
  return text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n';
}

}  // namespace

FieldReader::FieldReader(std::u16string_view text) : text_(text) {}

void FieldReader::skip_separator(std::size_t from) {
  line_ended_ = false;
  for (std::size_t i = from; i < text_.size(); ++i) {
    if (text_[i] == u',') {
      pos_ = i + 1;
      return;
    }
    if (line_end_at(text_, i)) {
      pos_ = i + 2;
      line_ended_ = true;
      return;
    }
  }
  pos_ = text_.size();
}

bool FieldReader::at_end() const { return pos_ >= text_.size(); }

bool FieldReader::next(std::u16string& field) {
  field.clear();
  line_ended_ = false;
  if (at_end()) return false;
  while (pos_ < text_.size() && text_[pos_] == u' ') ++pos_;
  if (pos_ < text_.size() && text_[pos_] == kQuote) {
    std::size_t i = pos_ + 1;
    for (;;) {
      const std::size_t q = text_.find(kQuote, i);
      if (q == std::u16string_view::npos) {
        field.append(text_.substr(i));
        skip_separator(text_.size());
        return true;
      }
      field.append(text_.substr(i, q - i));
      if (q + 1 < text_.size() && text_[q + 1] == kQuote) {  // "" is one quote
        field.push_back(kQuote);
        i = q + 2;
        continue;
      }
      skip_separator(q + 1);
      return true;
    }
  }
  std::size_t end = pos_;
  while (end < text_.size() && text_[end] != u',' && !line_end_at(text_, end)) ++end;
  field.assign(text_.substr(pos_, end - pos_));
  skip_separator(end);
  return true;
}

std::u16string first_field(std::u16string_view text) {
  FieldReader reader(text);
  std::u16string field;
  reader.next(field);
  return field;
}

}  // namespace vesk
