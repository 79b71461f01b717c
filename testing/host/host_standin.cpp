// Plays the host shell's side for the plug-in's tests, as a second process:
// publishes its window handle in the shared memory "Sakura" (or a block the
// test supplies, or nothing), optionally holds the mutex "NPP", records every
// WM_COPYDATA it receives byte for byte, and sends window messages to the
// window named by the last request's "HWnd:" line when the test asks.
//
//   host_standin.exe <record-file> [--no-mapping] [--block-file <file>] [--mutex]
//
// The test drives it through standard input, one command a line, and reads
// one answer line per command on standard output (see testing/host/host_standin.py):
//   msg <message> <wparam> <lparam> [<message> <wparam> <lparam>]...
//        sends them back to back      -> "sent <result>..." | "no-target" | "failed"
//   target                            -> "target <decimal handle or 0>"
//   hang <milliseconds>               -> "hanging": the window stops handling
//        messages for that long, as a host that hangs
//   quit  (or end of input)           -> "bye", then the program ends
// At start it prints "ready <own window handle>" once everything is in place.
// In a --block-file the text "%HWND%" stands for the stand-in's own handle.
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr UINT kQuitCommand = WM_APP + 1;
constexpr UINT kHangCommand = WM_APP + 2;  // wparam: milliseconds
constexpr ULONG_PTR kDefaultMappingBytes = 1024;

struct StandIn {
  std::wstring record_path;
  HWND window = nullptr;
  // Last "HWnd:" value seen in a request; written by the window thread,
  // read by the command thread.
  std::atomic<LONG_PTR> target{0};
};

StandIn g_standin;

void answer(const std::string& line) {
  std::string text = line + "\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

// One record per request: a header line, the bytes exactly, then a newline.
void record(ULONG_PTR id, const char* data, DWORD count, WPARAM sender) {
  HANDLE f = CreateFileW(g_standin.record_path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                         nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return;
  char header[128];
  int n = std::snprintf(header, sizeof header, "COPYDATA id=%llu bytes=%lu sender=%llu\n",
                        static_cast<unsigned long long>(id), static_cast<unsigned long>(count),
                        static_cast<unsigned long long>(sender));
  DWORD written = 0;
  WriteFile(f, header, static_cast<DWORD>(n), &written, nullptr);
  if (count) WriteFile(f, data, count, &written, nullptr);
  WriteFile(f, "\n", 1, &written, nullptr);
  CloseHandle(f);
}

// The handle of the request's "HWnd:" line, as a host reads it.
LONG_PTR hwnd_line_value(const char* data, DWORD count) {
  std::string text(data, count);
  size_t at = text.find("\r\nHWnd:");
  if (at == std::string::npos) return 0;
  return static_cast<LONG_PTR>(std::strtoull(text.c_str() + at + 7, nullptr, 10));
}

LRESULT CALLBACK standin_proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COPYDATA: {
      auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lp);
      const char* data = static_cast<const char*>(cds->lpData);
      record(cds->dwData, data, cds->cbData, wp);
      LONG_PTR t = hwnd_line_value(data, cds->cbData);
      if (t) g_standin.target = t;
      return TRUE;
    }
    case kQuitCommand:
      DestroyWindow(w);
      return 0;
    case kHangCommand:
      Sleep(static_cast<DWORD>(wp));
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(w, msg, wp, lp);
}

bool read_line(HANDLE in, std::string& line) {
  line.clear();
  char c;
  DWORD got = 0;
  while (ReadFile(in, &c, 1, &got, nullptr) && got == 1) {
    if (c == '\n') return true;
    if (c != '\r') line += c;
  }
  return !line.empty();
}

DWORD WINAPI command_thread(LPVOID) {
  HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
  std::string line;
  while (read_line(in, line)) {
    if (line.rfind("msg ", 0) == 0) {
      HWND to = reinterpret_cast<HWND>(g_standin.target.load());
      if (!to) {
        answer("no-target");
        continue;
      }
      std::string results = "sent";
      const char* p = line.c_str() + 4;
      unsigned long long msg = 0, wp = 0;
      long long lp = 0;
      int used = 0;
      bool ok = true;
      while (ok && std::sscanf(p, " %llu %llu %lld%n", &msg, &wp, &lp, &used) == 3) {
        p += used;
        DWORD_PTR result = 0;
        ok = SendMessageTimeoutW(to, static_cast<UINT>(msg), static_cast<WPARAM>(wp), static_cast<LPARAM>(lp),
                                 SMTO_NORMAL, 5000, &result) != 0;
        results += ' ';
        results += std::to_string(static_cast<unsigned long long>(result));
      }
      answer(ok ? results : "failed");
    } else if (line == "target") {
      answer("target " + std::to_string(static_cast<long long>(g_standin.target.load())));
    } else if (line.rfind("hang ", 0) == 0) {
      PostMessageW(g_standin.window, kHangCommand, std::strtoul(line.c_str() + 5, nullptr, 10), 0);
      answer("hanging");
    } else if (line == "quit") {
      break;
    } else {
      answer("unknown");
    }
  }
  PostMessageW(g_standin.window, kQuitCommand, 0, 0);
  return 0;
}

std::vector<char> read_whole(const wchar_t* path) {
  std::vector<char> bytes;
  HANDLE f = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return bytes;
  DWORD size = GetFileSize(f, nullptr);
  bytes.resize(size);
  DWORD got = 0;
  if (size && !ReadFile(f, bytes.data(), size, &got, nullptr)) got = 0;
  bytes.resize(got);
  CloseHandle(f);
  return bytes;
}

// The block a host publishes: four bytes of its own, then byte 1, the
// window handle in decimal digits and a CR.
std::string handle_text(HWND w) { return std::to_string(static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(w))); }

std::vector<char> block_from_file(const wchar_t* path, HWND w) {
  std::vector<char> raw = read_whole(path);
  const std::string text(raw.begin(), raw.end()), placeholder = "%HWND%", handle = handle_text(w);
  std::vector<char> block;
  for (size_t at = 0; at < text.size();) {
    if (text.compare(at, placeholder.size(), placeholder) == 0) {
      block.insert(block.end(), handle.begin(), handle.end());
      at += placeholder.size();
    } else {
      block.push_back(text[at++]);
    }
  }
  return block;
}

std::vector<char> standard_block(HWND w) {
  std::string text = std::string("\x7f\x7f\x7f\x7f", 4) + '\x01' + handle_text(w) + "\r";
  std::vector<char> block(kDefaultMappingBytes, '\0');
  std::memcpy(block.data(), text.data(), text.size());
  return block;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv || argc < 2) return 2;
  g_standin.record_path = argv[1];
  bool mapping = true, mutex = false;
  const wchar_t* block_file = nullptr;
  for (int i = 2; i < argc; ++i) {
    std::wstring a = argv[i];
    if (a == L"--no-mapping") mapping = false;
    else if (a == L"--mutex") mutex = true;
    else if (a == L"--block-file" && i + 1 < argc) block_file = argv[++i];
    else return 2;
  }

  WNDCLASSW wc{};
  wc.lpfnWndProc = standin_proc;
  wc.hInstance = instance;
  wc.lpszClassName = L"VeskHostStandIn";
  RegisterClassW(&wc);
  g_standin.window = CreateWindowExW(0, wc.lpszClassName, L"host stand-in", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                     CW_USEDEFAULT, 200, 100, nullptr, nullptr, instance, nullptr);
  if (!g_standin.window) return 1;

  HANDLE section = nullptr;
  if (mapping) {
    std::vector<char> block = block_file ? block_from_file(block_file, g_standin.window) : standard_block(g_standin.window);
    if (block.empty()) block.push_back('\0');
    section = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, static_cast<DWORD>(block.size()),
                                 L"Sakura");
    if (!section) return 1;
    void* view = MapViewOfFile(section, FILE_MAP_WRITE, 0, 0, 0);
    if (!view) return 1;
    std::memcpy(view, block.data(), block.size());
    UnmapViewOfFile(view);
  }
  HANDLE npp = mutex ? CreateMutexW(nullptr, FALSE, L"NPP") : nullptr;

  HANDLE commands = CreateThread(nullptr, 0, command_thread, nullptr, 0, nullptr);
  answer("ready " + std::to_string(static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(g_standin.window))));

  MSG m;
  while (GetMessageW(&m, nullptr, 0, 0) > 0) {
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
  answer("bye");
  if (npp) CloseHandle(npp);
  if (section) CloseHandle(section);
  if (commands) CloseHandle(commands);
  LocalFree(argv);
  return 0;
}
