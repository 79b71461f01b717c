// Stands in for the web browser in tests: the bench registers it as the
// "open" command for http and https, so every address the shell hands over
// lands here. It appends one line per start to the file named by
// VESK_RECORDER_LOG: the arguments it received, in UTF-8, separated by tabs.
// A test then sees exactly which address was opened, and whether a crafted
// address split into several arguments.
#include <windows.h>
#include <shellapi.h>

#include <string>

static std::string to_utf8(const wchar_t* s) {
  int n = WideCharToMultiByte(CP_UTF8, 0, s, -1, nullptr, 0, nullptr, nullptr);
  std::string out(n > 0 ? n - 1 : 0, '\0');
  if (n > 1) WideCharToMultiByte(CP_UTF8, 0, s, -1, out.data(), n, nullptr, nullptr);
  return out;
}

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t log_path[MAX_PATH];
  if (GetEnvironmentVariableW(L"VESK_RECORDER_LOG", log_path, MAX_PATH) == 0) return 1;
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::string line;
  for (int i = 1; argv && i < argc; ++i) {
    if (i > 1) line += '\t';
    line += to_utf8(argv[i]);
  }
  line += '\n';
  HANDLE f = CreateFileW(log_path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(f, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(f);
  LocalFree(argv);
  return 0;
}
