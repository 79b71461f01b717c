// The text of the batch file that runs the converter.
#include "plugin/core/batch_file.h"

namespace vesk {

std::u16string batch_file_text(std::u16string_view app_dir) {
  std::u16string text(app_dir.substr(0, 3));  // the drive, e.g. "C:\"
  text += u"\r\ncd \"";
  text.append(app_dir);
  text += u"\"\r\nmojiro.exe vesk_dat.tmp vesk_dat.txt\r\n";
  return text;
}

}  // namespace vesk
