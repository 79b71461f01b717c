// The plug-in list lines and the search for the timed-check line.
#include "plugin/core/plugin_list.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

TEST(PluginList, SevenOrEightLines) {
  const std::vector<std::u16string> seven = {
      u"NPP/1.3",
      u"ピルトナー\\チェック開始,veskchk.exe,/G",
      u"ピルトナー\\最後に取得したデータを読む,veskchk.exe,/L",
      u"ピルトナー\\SEPARATOR",
      u"ピルトナー\\設定,veskchk.exe,/S",
      u"ピルトナー\\SEPARATOR",
      u"ピルトナー\\アンテナをブラウザで開く,veskchk.exe,/B",
  };
  EXPECT_EQ(plugin_list_lines(false), seven);
  std::vector<std::u16string> eight = seven;
  eight.push_back(u"sec[900],veskchk.exe,/G");
  EXPECT_EQ(plugin_list_lines(true), eight);
}

TEST(PluginList, TimedLineSearch) {
  const std::pair<std::u16string, bool> cases[] = {
      {u"", false},
      {u"NPP/1.3\r\nsec[900],veskchk.exe,/G\r\n", true},
      {u"sec[900],veskchk.exe,/G\r\nNPP/1.3\r\n", true},       // anywhere in the list
      {u"NPP/1.3\r\nsec[900],veskchk.exe,/G", true},           // no final line end
      {u"NPP/1.3\nsec[900],veskchk.exe,/G\n", true},           // LF line ends
      {u"NPP/1.3\r\nsec[900],veskchk.exe,/G \r\n", false},     // trailing blank
      {u"NPP/1.3\r\n sec[900],veskchk.exe,/G\r\n", false},
      {u"NPP/1.3\r\nSEC[900],veskchk.exe,/G\r\n", false},      // case counts
      {u"NPP/1.3\r\nsec[900],veskchk.exe,/g\r\n", false},
      {u"NPP/1.3\r\nsec[600],veskchk.exe,/G\r\n", false},
  };
  for (const auto& [text, found] : cases) EXPECT_EQ(list_has_timed_line(text), found);
}

}  // namespace
}  // namespace vesk
