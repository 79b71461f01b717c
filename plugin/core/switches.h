// The command-line switch that selects what one run of the plug-in does.
#pragma once

#include <string_view>

namespace vesk {

enum class Switch { None, Check, Replay, Settings, Browse };

// Upper-cases the whole command text (an empty one means "/G") and matches
// its last two characters against "/G", "/L", "/S" and "/B".
Switch parse_switch(std::u16string_view command_text);

}  // namespace vesk
