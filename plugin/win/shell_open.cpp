// Opening an address through the shell, the one way the plug-in starts the
// web browser.
#include "plugin/win/shell_open.h"

#include <windows.h>
#include <shellapi.h>

#include "plugin/win/plugin_state.h"

#ifndef VESK_ANTENNA_HOST
#error "VESK_ANTENNA_HOST (host[:port] of the antenna page) is set by the build"
#endif

namespace vesk::win {

std::string antenna_page_address() { return std::string("http://") + VESK_ANTENNA_HOST + "/antenna/index.shtml"; }

void shell_open(const std::string& ansi_address) {
  ShellExecuteA(plugin().form, "open", ansi_address.c_str(), "", "", SW_HIDE);
}

}  // namespace vesk::win
