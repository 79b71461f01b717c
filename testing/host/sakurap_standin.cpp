// Stand-in for the host shell's library "sakurap.dll": its one export,
// NPRefresh, appends a line to "sakurap.log" beside the library, so a test
// sees whether (and how often) the plug-in asked the host to reread its lists.
#include <windows.h>

#include <string>

extern "C" __declspec(dllexport) int NPRefresh() {
  HMODULE self = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&NPRefresh), &self);
  wchar_t path[MAX_PATH];
  DWORD n = GetModuleFileNameW(self, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return 0;
  std::wstring log(path, n);
  log = log.substr(0, log.find_last_of(L'\\') + 1) + L"sakurap.log";
  HANDLE f = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return 0;
  DWORD written = 0;
  WriteFile(f, "NPRefresh\r\n", 11, &written, nullptr);
  CloseHandle(f);
  return 1;
}
