// Picks the switch from the last two characters of the command text.
#include "plugin/core/switches.h"

#include <string>

namespace vesk {

Switch parse_switch(std::u16string_view command_text) {
  std::u16string upper(command_text.empty() ? std::u16string_view(u"/G") : command_text);
  for (char16_t& c : upper) {
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
  }
  const std::u16string_view tail =
      upper.size() <= 2 ? std::u16string_view(upper) : std::u16string_view(upper).substr(upper.size() - 2);
  if (tail == u"/G") return Switch::Check;
  if (tail == u"/L") return Switch::Replay;
  if (tail == u"/S") return Switch::Settings;
  if (tail == u"/B") return Switch::Browse;
  return Switch::None;
}

}  // namespace vesk
