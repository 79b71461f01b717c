// Sequential field input over comma-separated text with CR LF line ends.
#include "plugin/core/field_reader.h"

namespace vesk {
namespace {

constexpr char16_t kQuote = u'"';

// Index just after the comma or CR LF that ends a field at or after `pos`,
// or the end of the text when neither follows.
std::size_t past_separator(std::u16string_view text, std::size_t pos) {
  for (std::size_t i = pos; i < text.size(); ++i) {
    if (text[i] == u',') return i + 1;
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') return i + 2;
  }
  return text.size();
}

}  // namespace

FieldReader::FieldReader(std::u16string_view text) : text_(text) {}

bool FieldReader::at_end() const { return pos_ >= text_.size(); }

bool FieldReader::next(std::u16string& field) {
  field.clear();
  if (at_end()) return false;
  while (pos_ < text_.size() && text_[pos_] == u' ') ++pos_;
  if (pos_ < text_.size() && text_[pos_] == kQuote) {
    std::size_t i = pos_ + 1;
    for (;;) {
      const std::size_t q = text_.find(kQuote, i);
      if (q == std::u16string_view::npos) {
        field.append(text_.substr(i));
        pos_ = text_.size();
        return true;
      }
      field.append(text_.substr(i, q - i));
      if (q + 1 < text_.size() && text_[q + 1] == kQuote) {  // "" is one quote
        field.push_back(kQuote);
        i = q + 2;
        continue;
      }
      pos_ = past_separator(text_, q + 1);
      return true;
    }
  }
  std::size_t end = pos_;
  while (end < text_.size() && text_[end] != u',' &&
         !(text_[end] == u'\r' && end + 1 < text_.size() && text_[end + 1] == u'\n')) {
    ++end;
  }
  field.assign(text_.substr(pos_, end - pos_));
  pos_ = past_separator(text_, end);
  return true;
}

std::u16string first_field(std::u16string_view text) {
  FieldReader reader(text);
  std::u16string field;
  reader.next(field);
  return field;
}

}  // namespace vesk
