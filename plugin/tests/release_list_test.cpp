// The release ships a default plug-in list so the host shows the menu right
// after unpacking; it must be the list the settings form writes with the
// timed check on, or the first OK would change what the user already had.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "plugin/core/plugin_list.h"

namespace vesk {
namespace {

[[maybe_unused]] std::string utf8(const std::u16string& text) {
  std::string out;
  for (char16_t c : text) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

TEST(ReleaseList, IsTheListTheSettingsFormWritesWithTheTimedCheckOn) {
#ifdef _WIN32
  GTEST_SKIP() << "reads the source tree by its Unix path";
#else
  std::ifstream file(std::string(VESK_SOURCE_DIR) + "/packaging/npplugin.txt", std::ios::binary);
  ASSERT_TRUE(file);
  std::string shipped((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::string written;
  for (const std::u16string& line : plugin_list_lines(true)) written += utf8(line) + "\n";
  EXPECT_EQ(shipped, written);
#endif
}

}  // namespace
}  // namespace vesk
