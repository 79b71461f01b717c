// Builds the reading-menu script: a header that announces the count and
// jumps to the first page, one line per menu page of seven choices, and one
// label per entry that posts its number to the plug-in's window.
#include "plugin/core/menu_script.h"

#include "plugin/core/text_funcs.h"

namespace vesk {
namespace {

constexpr std::size_t kChoicesPerPage = 7;
constexpr std::size_t kShownStampLength = 11;  // "MM/DD hh:mm"

std::u16string shown_stamp(std::u16string_view stamp) {
  if (stamp.size() <= kShownStampLength) return std::u16string(stamp);
  return std::u16string(stamp.substr(stamp.size() - kShownStampLength));
}

}  // namespace

std::u16string menu_safe_text(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char16_t c : text) {
    if (c == u'\\') {
      out.push_back(u'\uFF3C');
    } else if (c == u']') {
      out.push_back(u'\uFF3D');
    } else if (c == u'%') {
      out.push_back(u'\uFF05');
    } else if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) {
      out.push_back(u' ');
    } else {
      out.push_back(c);
    }
  }
  return out;
}

std::u16string build_menu_script(const std::vector<Entry>& new_entries) {
  const std::size_t k = new_entries.size();
  std::u16string menu;
  std::u16string labels;
  for (std::size_t pos = 1; pos <= k; pos += kChoicesPerPage) {
    const std::u16string page = decimal(pos / kChoicesPerPage);
    if (pos > 1) {  // the link to this page closes the previous one
      menu += u"\\q7[#menu" + page + u"][次ページへ]\\e\r\n";
    }
    menu += u"Entry: #menu" + page + u",\\m[10000,0,0]";
    for (std::size_t s = 0; s < kChoicesPerPage && pos + s <= k; ++s) {
      const std::size_t n = pos + s;
      const Entry& e = new_entries[n - 1];
      menu += u"\\q" + decimal(s) + u"[#ent" + decimal(n - 1) + u"][" +
              menu_safe_text(shown_stamp(e.stamp)) + u" " +
              menu_safe_text(UnescapeTitle(e.title)) + u"]";
      labels += u"\r\nEntry: #ent" + decimal(n - 1) + u",\\m[10001,0," + decimal(n) + u"]\\e";
    }
  }
  return u"新着" + decimal(k) + u"件っ\\n%j[#menu0]\\e\r\n" + menu + labels;
}

}  // namespace vesk
