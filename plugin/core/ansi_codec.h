// Conversion between the plug-in's UTF-16 text and the system's ANSI code
// page, as an interface so the portable code and its tests do not depend on
// the platform's converter.
#pragma once

#include <string>
#include <string_view>

namespace vesk {

struct AnsiCodec {
  virtual ~AnsiCodec() = default;
  // Converts without best-fit mapping. A character the code page cannot
  // hold becomes the default character and sets *lossy (when given) to
  // true; otherwise *lossy is set to false.
  virtual std::string encode(std::u16string_view text, bool* lossy) const = 0;
  // Converts bytes; zero bytes become U+0000.
  virtual std::u16string decode(std::string_view bytes) const = 0;
};

}  // namespace vesk
