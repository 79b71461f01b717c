// Which addresses reach the shell's "open" verb, and in what form.
#include "plugin/core/browser_address.h"

#include <gtest/gtest.h>

#include "plugin/tests/support/cp932_codec.h"

namespace vesk {
namespace {

TEST(BrowserAddress, Table) {
  using R = std::optional<std::string>;
  const std::pair<std::string, R> cases[] = {
      {"http://a.example/", R("http://a.example/")},
      {"https://a.example/x?y=1#z", R("https://a.example/x?y=1#z")},
      {"HTTP://A.EXAMPLE/", R("HTTP://A.EXAMPLE/")},
      {"hTtPs://a.example", R("hTtPs://a.example")},
      {"http://user@a.example:8080/p", R("http://user@a.example:8080/p")},
      {"http://[::1]/", R("http://[::1]/")},
      {"http://a.example/say \"hi\"", R("http://a.example/say%20%22hi%22")},
      {"http://a.example/\x93\xfa\x96\x7b", R("http://a.example/\x93\xfa\x96\x7b")},  // double-byte path
      {"", std::nullopt},
      {"notepad.exe", std::nullopt},
      {"C:\\Windows\\system32\\calc.exe", std::nullopt},
      {"file:///C:/x.txt", std::nullopt},
      {"ftp://a.example/", std::nullopt},
      {"mailto:a@example", std::nullopt},
      {"javascript:alert(1)", std::nullopt},
      {"http:a.example", std::nullopt},
      {"http://", std::nullopt},
      {"http:///path", std::nullopt},
      {"http://?q", std::nullopt},
      {"http://:80/", std::nullopt},
      {"http://user@/", std::nullopt},
      {"http://[]/", std::nullopt},
      {"http:\\\\a.example\\", std::nullopt},
      {"http://\\\\server\\share", std::nullopt},
      {" http://a.example/", std::nullopt},
      {"http://a.example/\r\nx", std::nullopt},
      {"http://a.example/\tx", std::nullopt},
      {"http://a.example/\x7f", std::nullopt},
      {std::string("http://a.example/\0x", 19), std::nullopt},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(browser_address(in), out) << in;
}

TEST(BrowserAddressFor, UnescapesThenConvertsWithoutBestFit) {
  fixture::Cp932Codec codec;
  using R = std::optional<std::string>;
  const std::pair<std::u16string, R> cases[] = {
      {u"http://a.example/\uFF5Euser/?a=1&amp;b=&quot;2&quot;", R("http://a.example/~user/?a=1&b=%222%22")},
      {u"http://a.example/日本", R("http://a.example/\x93\xfa\x96\x7b")},
      {u"http://a.example/\u00A5", std::nullopt},  // no look-alike backslash
      {u"http://a.example/\u00E9", std::nullopt},  // not in the code page
      {u"notepad.exe", std::nullopt},
      {u"", std::nullopt},
  };
  for (const auto& [url, out] : cases) EXPECT_EQ(browser_address_for(url, codec), out);
}

}  // namespace
}  // namespace vesk
