// Hands an address to the shell's "open" verb, owned by the main form,
// hidden (show command 0), with empty parameters and directory.
#pragma once

#include <string>

namespace vesk::win {

// The built-in antenna page address: http:// + the build's antenna host +
// "/antenna/index.shtml".
std::string antenna_page_address();

// `ansi_address` is in the ANSI code page and has been vetted by the
// caller. The shell's result is not looked at.
void shell_open(const std::string& ansi_address);

}  // namespace vesk::win
