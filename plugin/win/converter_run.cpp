// The converter runs as a separate process started through the command
// interpreter that the system names (%ComSpec%, normally cmd.exe): there is
// no command.com on 64-bit Windows. The wait blocks on the process handle
// with MsgWaitForMultipleObjects, so the window thread sleeps instead of
// spinning a core, yet still handles its window messages.
#include "plugin/win/converter_run.h"

#include <windows.h>

#include <vector>

#include "plugin/win/unique_handle.h"

namespace vesk::win {
namespace {

std::wstring command_interpreter() {
  wchar_t buf[MAX_PATH];
  DWORD n = GetEnvironmentVariableW(L"ComSpec", buf, MAX_PATH);
  if (n > 0 && n < MAX_PATH) return std::wstring(buf, n);
  n = GetSystemDirectoryW(buf, MAX_PATH);
  if (n > 0 && n < MAX_PATH) return std::wstring(buf, n) + L"\\cmd.exe";
  return L"cmd.exe";
}

// Handles the window messages that are waiting. Returns false when a quit
// request came: it is not handled here but put back for the message loop
// once the converter has exited.
bool pump_messages(int& quit_code) {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      quit_code = static_cast<int>(msg.wParam);
      return false;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

}  // namespace

bool run_batch_and_wait(const std::wstring& batch_name) {
  const std::wstring interpreter = command_interpreter();
  std::wstring command = L"\"" + interpreter + L"\" /c " + batch_name;
  std::vector<wchar_t> command_line(command.begin(), command.end());
  command_line.push_back(L'\0');

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(interpreter.c_str(), command_line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                      nullptr, &startup, &info))
    return false;
  KernelHandle process(info.hProcess);
  KernelHandle thread(info.hThread);

  HANDLE waits[] = {process.get()};
  int quit_code = 0;
  bool quit = false;
  for (;;) {
    DWORD r = MsgWaitForMultipleObjects(1, waits, FALSE, INFINITE, QS_ALLINPUT);
    if (r == WAIT_OBJECT_0) return true;
    if (r != WAIT_OBJECT_0 + 1) break;
    if (!pump_messages(quit_code)) {
      quit = true;
      break;
    }
  }
  // A quit request, or a failed wait: wait on the process alone, so the
  // check never reads a half-written converted file.
  WaitForSingleObject(process.get(), INFINITE);
  if (quit) PostQuitMessage(quit_code);
  return true;
}

}  // namespace vesk::win
