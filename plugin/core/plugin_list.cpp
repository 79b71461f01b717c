// The lines of the plug-in list and the search for its timed-check line.
#include "plugin/core/plugin_list.h"

#include "plugin/core/host_contract.h"

namespace vesk {

std::vector<std::u16string> plugin_list_lines(bool timed_check) {
  std::vector<std::u16string> lines = {
      kPluginListHeader,
      u"ピルトナー\\チェック開始,veskchk.exe,/G",
      u"ピルトナー\\最後に取得したデータを読む,veskchk.exe,/L",
      u"ピルトナー\\SEPARATOR",
      u"ピルトナー\\設定,veskchk.exe,/S",
      u"ピルトナー\\SEPARATOR",
      u"ピルトナー\\アンテナをブラウザで開く,veskchk.exe,/B",
  };
  if (timed_check) lines.emplace_back(kTimedCheckLine);
  return lines;
}

bool list_has_timed_line(std::u16string_view file_text) {
  std::size_t start = 0;
  while (start < file_text.size()) {
    std::size_t end = file_text.find_first_of(u"\r\n", start);
    if (end == std::u16string_view::npos) end = file_text.size();
    if (file_text.substr(start, end - start) == kTimedCheckLine) return true;
    if (end < file_text.size() && file_text[end] == u'\r' && end + 1 < file_text.size() &&
        file_text[end + 1] == u'\n') {
      ++end;
    }
    start = end + 1;
  }
  return false;
}

}  // namespace vesk
