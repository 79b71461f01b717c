// Runs the converter batch file through the system's command interpreter
// and waits until it has exited, while the window keeps handling messages.
#pragma once

#include <string>

namespace vesk::win {

// Runs `%ComSpec% /c <batch_name>` in the current directory with a hidden
// window and returns when that process has exited. Returns false when the
// interpreter could not be started.
bool run_batch_and_wait(const std::wstring& batch_name);

}  // namespace vesk::win
