// Cp932Codec on glibc iconv. glibc's CP932 maps some characters to
// look-alikes (U+00A5 to 0x5C); each character is therefore converted on
// its own and kept only when it converts back to itself.
#ifndef _WIN32

#include <iconv.h>

#include <cerrno>

#include "plugin/tests/support/cp932_codec.h"

namespace vesk::fixture {
namespace {

// Owns one iconv descriptor.
class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Iconv() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;

  // Converts all of `in`; false when iconv refuses any of it.
  bool convert(std::string_view in, std::string& out) {
    out.clear();
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in.data());
    std::size_t left = in.size();
    char buf[64];
    while (left > 0) {
      char* dst = buf;
      std::size_t room = sizeof buf;
      const std::size_t r = iconv(cd_, &src, &left, &dst, &room);
      out.append(buf, dst - buf);
      if (r == static_cast<std::size_t>(-1) && errno != E2BIG) return false;
    }
    return true;
  }

 private:
  iconv_t cd_;
};

std::string utf16_bytes(std::u16string_view text) {
  std::string bytes;
  for (char16_t c : text) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
  }
  return bytes;
}

}  // namespace

std::string Cp932Codec::encode(std::u16string_view text, bool* lossy) const {
  Iconv to932("CP932", "UTF-16LE");
  Iconv from932("UTF-16LE", "CP932");
  std::string out;
  bool lost = false;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t n = 1;
    if (text[i] >= 0xD800 && text[i] < 0xDC00 && i + 1 < text.size()) n = 2;
    const std::string unit = utf16_bytes(text.substr(i, n));
    std::string bytes, back;
    if (to932.convert(unit, bytes) && from932.convert(bytes, back) && back == unit) {
      out += bytes;
    } else {
      out.push_back('?');
      lost = true;
    }
    i += n;
  }
  if (lossy) *lossy = lost;
  return out;
}

std::u16string Cp932Codec::decode(std::string_view bytes) const {
  Iconv from932("UTF-16LE", "CP932");
  std::u16string out;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const bool double_byte = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
    const std::size_t n = double_byte && i + 1 < bytes.size() ? 2 : 1;
    std::string units;
    if (from932.convert(bytes.substr(i, n), units)) {
      for (std::size_t j = 0; j + 1 < units.size(); j += 2) {
        out.push_back(static_cast<char16_t>(static_cast<unsigned char>(units[j]) |
                                            static_cast<unsigned char>(units[j + 1]) << 8));
      }
    } else {
      out.push_back(u'\uFFFD');
    }
    i += n;
  }
  return out;
}

}  // namespace vesk::fixture

#endif  // !_WIN32
