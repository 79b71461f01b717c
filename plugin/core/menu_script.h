// The reading menu: the script that announces the new entries and offers
// them as choices, seven to a page, each choice posting message 10001 with
// the entry's number.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "plugin/core/entry.h"

namespace vesk {

// Builds the script for new_entries (k = size, expected >= 1; entry n of
// the menu is new_entries[n-1]). Lines are separated by CR LF; the script
// ends without one (the caller writes it plus CR LF to "vesk_lst.dat").
// Choice texts are the last 11 characters of the stamp and the unescaped
// title, made safe by menu_safe_text.
std::u16string build_menu_script(const std::vector<Entry>& new_entries);

// Replaces backslash, "]" and "%" by their full-width forms and control
// characters (CR, LF and the rest) by a blank, so page text placed in a
// choice cannot add a script tag, end the choice or add a request line.
std::u16string menu_safe_text(std::u16string_view text);

}  // namespace vesk
