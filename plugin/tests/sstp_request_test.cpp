// The SSTP request text and its bytes in code page 932.
#include "plugin/core/sstp_request.h"

#include <gtest/gtest.h>

#include "plugin/tests/support/cp932_codec.h"

namespace vesk {
namespace {

TEST(SstpRequest, FiveLines) {
  EXPECT_EQ(build_sstp_request(u"新着なし～\\e", 13579),
            u"SEND SSTP/1.5\r\nSender: ピルトナ\r\nScript: 新着なし～\\e\r\nHWnd: 13579\r\n"
            u"Charset: Shift_JIS\r\n");
}

TEST(SstpRequest, ScriptLinesBecomeRequestLines) {
  EXPECT_EQ(build_sstp_request(u"head\\e\r\nEntry: #ent0,\\m[10001,0,1]\\e", 4294967296ull),
            u"SEND SSTP/1.5\r\nSender: ピルトナ\r\nScript: head\\e\r\nEntry: #ent0,\\m[10001,0,1]\\e\r\n"
            u"HWnd: 4294967296\r\nCharset: Shift_JIS\r\n");
}

TEST(SstpRequest, ReplayedScriptEndingInLineEndLeavesAnEmptyLine) {
  const std::u16string request = build_sstp_request(u"menu\r\n", 7);
  EXPECT_NE(request.find(u"Script: menu\r\n\r\nHWnd: 7\r\n"), std::u16string::npos);
}

TEST(SstpRequest, BytesCountDoubleByteCharacters) {
  fixture::Cp932Codec codec;
  const std::u16string request = build_sstp_request(u"アンテナチェック中～\\e", 1);
  bool lossy = true;
  const std::string bytes = codec.encode(request, &lossy);
  EXPECT_FALSE(lossy);
  // 10 Japanese characters, 2 bytes each, and "ピルトナ" in the sender line.
  EXPECT_EQ(bytes.size(), request.size() + 10 + 4);
  EXPECT_EQ(bytes.substr(0, 23), "SEND SSTP/1.5\r\nSender: ");
  EXPECT_EQ(bytes.substr(23, 8), "\x83\x73\x83\x8B\x83\x67\x83\x69");  // ピルトナ
  EXPECT_EQ(codec.decode(bytes), request);
}

}  // namespace
}  // namespace vesk
