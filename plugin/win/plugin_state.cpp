// The one instance of the plug-in's process-wide state.
#include "plugin/win/plugin_state.h"

namespace vesk::win {

PluginState& plugin() {
  static PluginState state;
  return state;
}

}  // namespace vesk::win
