// The plug-in's process-wide state, in one place: the main form and its
// controls, the program directory, the entries the delivered menu offers and
// the follow-up phase. Everything runs on the window thread, so no locks.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "plugin/core/countdown.h"
#include "plugin/core/entry.h"

namespace vesk::win {

struct PluginState {
  HWND form = nullptr;      // vesk_main; its handle names the plug-in to the host
  HWND check1 = nullptr;    // "15分間隔で自動チェック"
  HWND command1 = nullptr;  // "OK"
  // The program directory, always ending in one backslash. Set once by
  // Form_Load before anything else reads it.
  std::wstring app_dir;
  // Entries of the delivered menu: menu number n is new_entries[n - 1].
  std::vector<Entry> new_entries;
  Countdown countdown;            // idle ticks of the follow-up phase
  WNDPROC prev_wndproc = nullptr;  // the form's procedure before HookWindow
  bool closing = false;           // the form is being (or has been) closed
};

PluginState& plugin();

}  // namespace vesk::win
