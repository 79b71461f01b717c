// Seeded random inputs in every encoding: output never exceeds the upper
// bound (guard bytes intact), and no converter or the detector reads a byte
// past the input's end (on Linux the input ends at a page that faults).
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "nuvel/core/detect.h"
#include "nuvel/tests/support.h"

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace nuvel {
namespace {

const encoding kAll[] = {encoding::ascii,     encoding::iso2022jp, encoding::eucjp,  encoding::utf8,
                         encoding::shift_jis, encoding::utf16le,   encoding::utf16be};

// Bytes that matter to some decoder, so random text hits their edges often.
std::string random_input(std::mt19937& rng, std::size_t length) {
  static const unsigned char interesting[] = {0x1B, '$', '(', 'B', 'J', 'I', 'D', '@', '&', 0x0E, 0x0F,
                                              0x21, 0x7E, 0x7F, 0x80, 0x8E, 0x8F, 0xA0, 0xA1, 0xDF,
                                              0xE0, 0xED, 0xEF, 0xF0, 0xF4, 0xFC, 0xFD, 0xFE, 0xFF,
                                              0xC2, 0xBF, 0x00, 0xD8, 0xDC, '\n'};
  std::string s(length, '\0');
  for (char& c : s) {
    unsigned r = rng();
    c = static_cast<char>(r % 3 == 0 ? interesting[(r >> 8) % sizeof interesting] : (r >> 8) & 0xFF);
  }
  return s;
}

TEST(Bounds, RandomInputsStayWithinTheUpperBound) {
  std::mt19937 rng(20261211);
  for (int round = 0; round < 3000; ++round) {
    std::string in = random_input(rng, rng() % 300);
    for (encoding e : kAll) {
      test::converted c = test::convert(e, in);
      ASSERT_LE(c.bytes.size(), sjis_length_upper_bound(in.size())) << to_string(e) << " round " << round;
    }
    std::vector<char> out(sjis_length_upper_bound(in.size()) + 1);
    EXPECT_LE(convert_detected_to_sjis(in.data(), in.size(), out.data()).count, sjis_length_upper_bound(in.size()));
  }
}

#if defined(__linux__)
// Two pages, the second inaccessible: input copied to end at the boundary.
class FaultingEnd {
 public:
  FaultingEnd() {
    page_ = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    base_ = static_cast<char*>(mmap(nullptr, 2 * page_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
    mprotect(base_ + page_, page_, PROT_NONE);
  }
  ~FaultingEnd() { munmap(base_, 2 * page_); }
  FaultingEnd(const FaultingEnd&) = delete;
  FaultingEnd& operator=(const FaultingEnd&) = delete;

  const char* place(const std::string& s) {
    char* at = base_ + page_ - s.size();
    std::memcpy(at, s.data(), s.size());
    return at;
  }

 private:
  std::size_t page_ = 0;
  char* base_ = nullptr;
};

TEST(Bounds, NothingReadsPastTheEnd) {
  FaultingEnd end;
  const std::string tails[] = {"\xE3",         "\xE3\x81",     "\xF0\x9F\x98", "\x1B",   "\x1B$",     "\x1B$(",
                               "\x1B$B$",      "\x8F",         "\x8F\xA2",     "\x8E",   "\xA4",      "\x82",
                               "\xFF\xFE\x42", "\xFE\xFF\xD8", "\x3D\xD8\x00", "<meta charset=", "\x1B(I", ""};
  std::mt19937 rng(7);
  std::vector<std::string> inputs(std::begin(tails), std::end(tails));
  for (int k = 0; k < 500; ++k) inputs.push_back(random_input(rng, rng() % 64) + tails[k % std::size(tails)]);
  std::vector<char> out(4096);
  for (const std::string& s : inputs) {
    const char* in = end.place(s);
    for (encoding e : kAll) {
      result r = convert_to_sjis(e, in, s.size(), out.data());
      // Same bytes as from an ordinary copy of the input.
      ASSERT_EQ(test::hex(std::string(out.data(), r.count)), test::hex(test::convert(e, s).bytes)) << to_string(e);
    }
    std::string copy = s;
    EXPECT_EQ(detect_encoding(in, s.size()), detect_encoding(copy.data(), copy.size()));
  }
}
#endif

}  // namespace
}  // namespace nuvel
