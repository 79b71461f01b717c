// The batch file "vesk.bat" that runs the converter in the program
// directory.
#pragma once

#include <string>
#include <string_view>

namespace vesk {

// Three lines, each ended by CR LF: the first three characters of app_dir
// (the drive, e.g. C:\), "cd " + app_dir in double quotes, and the
// converter's command line. `app_dir` ends in a backslash.
std::u16string batch_file_text(std::u16string_view app_dir);

}  // namespace vesk
