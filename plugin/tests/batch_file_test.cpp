// The text of "vesk.bat".
#include "plugin/core/batch_file.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

TEST(BatchFile, ThreeLines) {
  EXPECT_EQ(batch_file_text(u"C:\\Program Files\\ピルトナ\\"),
            u"C:\\\r\ncd \"C:\\Program Files\\ピルトナ\\\"\r\nmojiro.exe vesk_dat.tmp vesk_dat.txt\r\n");
  EXPECT_EQ(batch_file_text(u"D:\\"), u"D:\\\r\ncd \"D:\\\"\r\nmojiro.exe vesk_dat.tmp vesk_dat.txt\r\n");
}

}  // namespace
}  // namespace vesk
