// Sequential field input: reads comma-separated text one field at a time,
// the way the plug-in reads its store files and the converted page.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vesk {

// Rules of one field:
//  - blanks (U+0020) before the field are skipped;
//  - a field that begins with a double quote runs to the next double quote;
//    inside it a doubled quote ("") stands for one quote character; reading
//    then goes on past the next comma or CR LF;
//  - any other field runs up to the next comma, CR LF or the end of the text
//    (a lone CR or LF and trailing blanks are part of the field);
//  - the comma or CR LF that ends a field is consumed with it.
// The reader keeps a view: `text` must outlive it.
class FieldReader {
 public:
  explicit FieldReader(std::u16string_view text);

  // Reads the next field into `field`. Returns false (and leaves `field`
  // empty) when the text is already at its end.
  bool next(std::u16string& field);

  // True when every character has been consumed.
  bool at_end() const;

  // True when the last field read was ended by CR LF (not by a comma or by
  // the end of the text).
  bool line_ended() const { return line_ended_; }

 private:
  // Moves past the comma or CR LF at or after `from`, noting which it was.
  void skip_separator(std::size_t from);

  std::u16string_view text_;
  std::size_t pos_ = 0;
  bool line_ended_ = false;
};

// The first field of `text` (empty for an empty text): what a check hands
// to the page parser from the converted page file.
std::u16string first_field(std::u16string_view text);

}  // namespace vesk
