// Test helper that does to a program's windows what a person would: find a
// top-level window by its title, read its texts, press a button, close it.
// Used for message boxes and the settings form under Xvfb.
//
//   winpoke msgbox <title> [seconds]   print the box's text, press OK
//   winpoke dump <title> [seconds]     print every child: class, text, check state
//   winpoke click <title> <text> [seconds]   press the button or check box with that text
//   winpoke close <title> [seconds]    send WM_CLOSE
//   winpoke exists <title> [seconds]   exit 0 when the window appears
//
// Output is UTF-8; exit code 0 on success, 1 when the window never appeared.
#include <windows.h>

#include <cwchar>
#include <string>

namespace {

void out(const std::wstring& s) {
  int n = WideCharToMultiByte(CP_UTF8, 0, s.c_str(), static_cast<int>(s.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(n, '\0');
  WideCharToMultiByte(CP_UTF8, 0, s.c_str(), static_cast<int>(s.size()), bytes.data(), n, nullptr, nullptr);
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::wstring text_of(HWND w) {
  wchar_t buf[4096];
  int n = static_cast<int>(SendMessageW(w, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buf)));
  return std::wstring(buf, n > 0 ? n : 0);
}

std::wstring class_of(HWND w) {
  wchar_t buf[256];
  int n = GetClassNameW(w, buf, 256);
  return std::wstring(buf, n > 0 ? n : 0);
}

HWND wait_window(const wchar_t* title, double seconds) {
  DWORD deadline = GetTickCount() + static_cast<DWORD>(seconds * 1000);
  for (;;) {
    HWND w = FindWindowW(nullptr, title);
    if (w) return w;
    if (static_cast<LONG>(GetTickCount() - deadline) > 0) return nullptr;
    Sleep(50);
  }
}

struct Search {
  const wchar_t* text;
  HWND found;
};

BOOL CALLBACK find_child(HWND w, LPARAM p) {
  auto* s = reinterpret_cast<Search*>(p);
  if (text_of(w) == s->text) {
    s->found = w;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK dump_child(HWND w, LPARAM) {
  std::wstring cls = class_of(w);
  std::wstring line = cls + L"\t" + text_of(w);
  if (_wcsicmp(cls.c_str(), L"Button") == 0) {
    LRESULT state = SendMessageW(w, BM_GETCHECK, 0, 0);
    line += L"\tcheck=" + std::to_wstring(state);
  }
  out(line + L"\n");
  return TRUE;
}

BOOL CALLBACK collect_static(HWND w, LPARAM p) {
  if (_wcsicmp(class_of(w).c_str(), L"Static") == 0) {
    std::wstring t = text_of(w);
    if (!t.empty()) *reinterpret_cast<std::wstring*>(p) += t;
  }
  return TRUE;
}

double seconds_arg(int argc, wchar_t** argv, int i) { return argc > i ? _wtof(argv[i]) : 10.0; }

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    out(L"usage: winpoke msgbox|dump|click|close|exists <title> ...\n");
    return 2;
  }
  std::wstring verb = argv[1];
  const wchar_t* title = argv[2];
  double seconds = seconds_arg(argc, argv, verb == L"click" ? 4 : 3);
  HWND w = wait_window(title, seconds);
  if (!w) return 1;

  if (verb == L"exists") return 0;
  if (verb == L"msgbox") {
    std::wstring text;
    EnumChildWindows(w, collect_static, reinterpret_cast<LPARAM>(&text));
    out(text + L"\n");
    PostMessageW(w, WM_COMMAND, IDOK, 0);
    return 0;
  }
  if (verb == L"dump") {
    out(L"title\t" + text_of(w) + L"\n");
    EnumChildWindows(w, dump_child, 0);
    return 0;
  }
  if (verb == L"click" && argc > 3) {
    Search s{argv[3], nullptr};
    EnumChildWindows(w, find_child, reinterpret_cast<LPARAM>(&s));
    if (!s.found) return 3;
    // BM_CLICK is sent the way a mouse click arrives: the owning program
    // handles it on its own thread.
    PostMessageW(s.found, BM_CLICK, 0, 0);
    return 0;
  }
  if (verb == L"close") {
    PostMessageW(w, WM_CLOSE, 0, 0);
    return 0;
  }
  return 2;
}
