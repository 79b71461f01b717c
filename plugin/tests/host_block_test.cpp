// Reading the host window's handle from the shared-memory block.
#include "plugin/core/host_block.h"

#include <gtest/gtest.h>

#include <string>

#include "plugin/core/host_contract.h"
#include "plugin/tests/support/cp932_codec.h"

namespace vesk {
namespace {

// A block as the plug-in sees it: `content` padded with zeros to the copied
// size plus the final zero byte.
std::u16string block(std::u16string content) {
  content.resize(kHostBlockBytes + 1, u'\0');
  return content;
}

TEST(HostBlock, Table) {
  struct Case { std::u16string content; std::uint32_t handle; };
  const Case cases[] = {
      {u"abcd\x01" u"12345\r", 12345},
      {u"\x01\x01\x01\x01\x01" u"777\r\n", 777},          // a byte 1 before the 5th is not looked at
      {u"head" u"x\x01  42\r", 42},                        // leading blanks
      {u"abcd\x01" u"4294967295\r", 4294967295u},
      {u"abcd\x01" u"4294967296\r", 0},                    // does not fit in 32 bits
      {u"abcd\x01" u"99abc\r", 99},                        // stops at a non-digit
      {u"abcd\x01" u"\r", 0},                              // no digits
      {u"abcd\x01" u"123", 0},                             // a byte 1 with no CR
      {u"abcd\r\x01" u"123", 0},                           // the CR before the byte 1
      {u"abcd\r\x01" u"123\r", 0},                         // ... is the one that counts
      {u"5566\r", 5566},                                   // no byte 1: from the start ...
      {u"5566 more\r", 5566},                              // ... up to the first CR from the 5th
      {u"55\r66\r", 55},
      {u"5566", 0},                                        // neither a byte 1 nor a CR
      {u"", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(parse_host_block(block(c.content)), c.handle);
}

TEST(HostBlock, CarriageReturnBeyondTheCopiedBytesIsNotSeen) {
  const std::u16string filler(kHostBlockBytes - 5, u'x');
  // The digits fill the block to its last copied byte; their CR is not copied.
  EXPECT_EQ(parse_host_block(block(filler + u"\x01" u"1234")), 0u);
  EXPECT_EQ(parse_host_block(block(filler + u"\x01" u"123\r")), 123u);
}

TEST(HostBlock, FromBytesThroughTheCodePage) {
  fixture::Cp932Codec codec;
  std::string bytes = "SSTP\x82\xA0\x01" "65538\r\n";  // a double-byte character before the byte 1
  bytes.resize(kHostBlockBytes + 1, '\0');
  const std::u16string text = codec.decode(bytes);
  EXPECT_EQ(text.size(), kHostBlockBytes);  // the double-byte character counts once
  EXPECT_EQ(parse_host_block(text), 65538u);
}

}  // namespace
}  // namespace vesk
