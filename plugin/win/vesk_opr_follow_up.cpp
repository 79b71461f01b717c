// The follow-up phase: the form's window procedure is replaced so that the
// host's messages 10000 (keep alive) and 10001 (open entry n) reach the
// plug-in, and EndTimer counts idle seconds until the program ends.
#include <windows.h>

#include "plugin/core/browser_address.h"
#include "plugin/core/host_contract.h"
#include "plugin/win/form_events.h"
#include "plugin/win/plugin_state.h"
#include "plugin/win/shell_open.h"
#include "plugin/win/vesk_main_form.h"
#include "plugin/win/vesk_opr.h"
#include "plugin/win/win_text.h"

namespace vesk::win {
namespace {

// Opens menu entry `number` in the browser. A number that names no loaded
// entry, and an address that is not a plain http(s) web address after
// unescaping and conversion, open nothing.
void open_entry(LPARAM number) {
  const auto& entries = plugin().new_entries;
  if (number < 1 || static_cast<size_t>(number) > entries.size()) return;
  const auto address = browser_address_for(entries[static_cast<size_t>(number) - 1].url, ansi_codec());
  if (address) shell_open(*address);
}

}  // namespace

void BeginFollowUp() {
  enable_timer(FormTimer::EndTimer, true);
  HookWindow();
}

void HookWindow() {
  PluginState& state = plugin();
  state.prev_wndproc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(state.form, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookProc)));
}

void UnhookWindow() {
  PluginState& state = plugin();
  if (!state.prev_wndproc) return;
  SetWindowLongPtrA(state.form, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(state.prev_wndproc));
  state.prev_wndproc = nullptr;
}

LRESULT CALLBACK HookProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  PluginState& state = plugin();
  if (message == kMsgKeepAlive) {
    state.countdown.keep_alive();
    return 0;
  }
  if (message == kMsgOpenEntry) {
    open_entry(lparam);
    state.countdown.picked();
    return 0;
  }
  return CallWindowProcA(state.prev_wndproc, window, message, wparam, lparam);
}

void EndTimer_Timer() {
  if (!plugin().countdown.tick()) return;
  enable_timer(FormTimer::EndTimer, false);
  close_main_form();
}

}  // namespace vesk::win
