// Text at the Windows edge: the plug-in's UTF-16 text as wide strings for
// the W functions, and the ANSI code page codec for files, requests and the
// addresses handed to the shell.
#pragma once

#include <string>
#include <string_view>

#include "plugin/core/ansi_codec.h"

namespace vesk::win {

// The same UTF-16 units; wchar_t is 16 bits on Windows.
std::wstring wide(std::u16string_view text);
std::u16string utf16(std::wstring_view text);
// Widens an ASCII constant such as a file name.
std::wstring wide_ascii(std::string_view text);

// The system's ANSI code page, converted without best-fit mapping
// (WC_NO_BEST_FIT_CHARS): a character the code page cannot hold becomes the
// default character and is reported as lossy, never as a look-alike.
const AnsiCodec& ansi_codec();

}  // namespace vesk::win
