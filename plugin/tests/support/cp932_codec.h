// A code page 932 AnsiCodec for the unit tests: glibc iconv natively, the
// system's converter under Windows. Like the plug-in's own codec it never
// maps a character to a look-alike (no best fit): such characters become
// "?" and are reported as lossy.
#pragma once

#include "plugin/core/ansi_codec.h"

namespace vesk::fixture {

class Cp932Codec final : public AnsiCodec {
 public:
  std::string encode(std::u16string_view text, bool* lossy) const override;
  std::u16string decode(std::string_view bytes) const override;
};

}  // namespace vesk::fixture
