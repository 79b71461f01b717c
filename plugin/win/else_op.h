// Module else_op: talking to the host shell (script requests, the host
// window lookup) and the settings read from the plug-in list.
#pragma once

#include <windows.h>

#include <string_view>

namespace vesk::win {

// Sends `script` to the host as an SSTP request (WM_COPYDATA, identifier
// 9801, wparam = the form's handle). A `host_window` of 0 is looked up with
// FindHostWindow first. Returns the window used, 0 when none was found; the
// send's own result is not looked at.
HWND SendScript(std::u16string_view script, HWND host_window);

// The host window named in the shared memory "Sakura", or 0 when there is
// no mapping or no handle in its first 1024 bytes.
HWND FindHostWindow();

// Sets Check1 from the plug-in list "npplugin.txt": on without a list, else
// on exactly when the list holds the timed-check line.
void LoadSettings();

}  // namespace vesk::win
