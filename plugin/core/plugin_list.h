// The plug-in list "npplugin.txt" that registers the plug-in's menu
// commands with the host, and the test for its timed-check line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vesk {

// The line that asks the host to run a check every 900 seconds.
inline constexpr char16_t kTimedCheckLine[] = u"sec[900],veskchk.exe,/G";

// The list's lines without line ends: the header and six menu lines, plus
// the timed line when `timed_check` is set.
std::vector<std::u16string> plugin_list_lines(bool timed_check);

// True when a line of `file_text` (lines end at CR LF, CR or LF) equals the
// timed line exactly.
bool list_has_timed_line(std::u16string_view file_text);

}  // namespace vesk
