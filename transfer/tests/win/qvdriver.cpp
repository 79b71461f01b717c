// Test driver for qvftp.dll: loads the library by name, takes its exports by
// name as any caller does, and runs the actions named on its command line,
// printing one "name value" line per result for the Python tests.
//   http URL FILE | read|write|command S U P R M L   start a job
//   wait          poll qvstate until 0, print the state
//   state | stop | counters | handles | sleep MS
//   stopat N      poll until qvnow >= N (or the job ends), then qvstop
//   repeat N http URL FILE   N jobs in a row, each waited for
//   cycle N URL FILE  (alone) N times: load the library, run an HTTP job to
//                     its end, free the library at once; then report whether
//                     the library left the process once the last worker ended
//   clock         milliseconds since system start (for timings)
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using Start6 = std::int32_t(__stdcall*)(const char*, const char*, const char*, const char*, const char*, const char*);
using Start2 = std::int32_t(__stdcall*)(const char*, const char*);
using Query = std::int32_t(__stdcall*)();

struct Library {
  Start6 read, write, command;
  Start2 http;
  Query state, stop, all, now;
};

template <typename F>
F proc(HMODULE dll, const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(dll, name)));
}

bool bind(HMODULE dll, Library& lib) {
  lib.read = proc<Start6>(dll, "qvread");
  lib.write = proc<Start6>(dll, "qvwrite");
  lib.command = proc<Start6>(dll, "qvcommand");
  lib.http = proc<Start2>(dll, "qvhttp");
  lib.state = proc<Query>(dll, "qvstate");
  lib.stop = proc<Query>(dll, "qvstop");
  lib.all = proc<Query>(dll, "qvall");
  lib.now = proc<Query>(dll, "qvnow");
  return lib.read && lib.write && lib.command && lib.http && lib.state && lib.stop && lib.all && lib.now;
}

constexpr DWORD kWaitLimitMs = 180000;

// Polls until the job state is 0 or the limit passes; returns the state.
std::int32_t wait_idle(const Library& lib) {
  const DWORD begun = ::GetTickCount();
  std::int32_t s;
  while ((s = lib.state()) != 0 && ::GetTickCount() - begun < kWaitLimitMs) ::Sleep(2);
  return s;
}

// Handle entries of the system handle table (information class 16).
struct HandleEntry {
  ULONG owner_pid;  // the low 16 bits are the process id on every system
  BYTE object_type;
  BYTE flags;
  USHORT value;
  PVOID object;
  ULONG access;
};
struct HandleTable {
  ULONG count;
  HandleEntry entries[1];
};
using QuerySystem = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);

// The number of handles this process holds. GetProcessHandleCount reports 0
// under Wine, so the system handle table is counted when it does.
long long handle_count() {
  DWORD count = 0;
  if (::GetProcessHandleCount(::GetCurrentProcess(), &count) && count != 0) return count;
  const auto query = proc<QuerySystem>(::GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation");
  if (query == nullptr) return -1;
  static char buffer[8 << 20];
  ULONG needed = 0;
  if (query(16, buffer, sizeof buffer, &needed) < 0) return -1;
  const auto* table = reinterpret_cast<const HandleTable*>(buffer);
  const ULONG pid = ::GetCurrentProcessId() & 0xFFFF;
  long long own = 0;
  for (ULONG i = 0; i < table->count; ++i) {
    if ((table->entries[i].owner_pid & 0xFFFF) == pid) ++own;
  }
  return own;
}

void out(const char* name, long long value) {
  std::printf("%s %lld\n", name, value);
  std::fflush(stdout);
}

// Loads, runs and frees the library `count` times, freeing it as soon as
// the state is back at 0, while the worker may still be on its way out.
int cycle(long count, const char* url, const char* file) {
  long failed = 0;
  for (long n = 0; n < count; ++n) {
    HMODULE dll = ::LoadLibraryA("qvftp.dll");
    Library lib{};
    if (dll == nullptr || !bind(dll, lib)) return 2;
    if (lib.http(url, file) == 0 || wait_idle(lib) != 0) ++failed;
    ::FreeLibrary(dll);
  }
  out("cycle_failed", failed);
  const DWORD begun = ::GetTickCount();
  while (::GetModuleHandleA("qvftp.dll") != nullptr && ::GetTickCount() - begun < 10000) ::Sleep(10);
  out("still_loaded", ::GetModuleHandleA("qvftp.dll") != nullptr ? 1 : 0);
  return 0;
}

// The worker goes on for a moment after the state is back at 0 (it leaves
// the library and ends its thread). Ending the process in that moment cuts
// the worker off mid-exit, and under Wine the process's end can then outlast
// the wineserver's grace period and be killed (exit -9); so the driver waits
// for the last worker of a finished job before it exits. `last_start` is what
// the last start made while idle returned: 0 or the worker's handle.
void await_last_worker(const Library& lib, std::int32_t last_start) {
  if (last_start == 0 || lib.state() != 0) return;
  ::WaitForSingleObject(reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(last_start)), 30000);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 5 && std::strcmp(argv[1], "cycle") == 0) return cycle(std::atol(argv[2]), argv[3], argv[4]);
  HMODULE dll = ::LoadLibraryA("qvftp.dll");
  Library lib{};
  if (dll == nullptr || !bind(dll, lib)) {
    std::printf("error cannot load qvftp.dll\n");
    return 2;
  }
  auto arg = [&](int i) -> const char* { return i < argc ? argv[i] : ""; };
  std::int32_t last_start = 0;  // the last start's result: the worker's handle
  for (int i = 1; i < argc;) {
    const char* action = argv[i++];
    if (std::strcmp(action, "http") == 0) {
      const bool idle = lib.state() == 0;
      const std::int32_t result = lib.http(arg(i), arg(i + 1));
      if (idle) last_start = result;
      out("start", result);
      i += 2;
    } else if (!std::strcmp(action, "read") || !std::strcmp(action, "write") || !std::strcmp(action, "command")) {
      const Start6 fn = action[0] == 'r' ? lib.read : action[0] == 'w' ? lib.write : lib.command;
      const bool idle = lib.state() == 0;
      const std::int32_t result = fn(arg(i), arg(i + 1), arg(i + 2), arg(i + 3), arg(i + 4), arg(i + 5));
      if (idle) last_start = result;
      out("start", result);
      i += 6;
    } else if (std::strcmp(action, "wait") == 0) {
      out("wait", wait_idle(lib));
    } else if (std::strcmp(action, "state") == 0) {
      out("state", lib.state());
    } else if (std::strcmp(action, "stop") == 0) {
      out("stop", lib.stop());
    } else if (std::strcmp(action, "counters") == 0) {
      out("all", static_cast<std::uint32_t>(lib.all()));
      out("now", static_cast<std::uint32_t>(lib.now()));
    } else if (std::strcmp(action, "handles") == 0) {
      out("handles", handle_count());
    } else if (std::strcmp(action, "clock") == 0) {
      out("clock", static_cast<long long>(::GetTickCount64()));
    } else if (std::strcmp(action, "sleep") == 0) {
      ::Sleep(static_cast<DWORD>(std::atol(arg(i++))));
    } else if (std::strcmp(action, "stopat") == 0) {
      const auto target = static_cast<std::uint32_t>(std::atoll(arg(i++)));
      while (lib.state() != 0 && static_cast<std::uint32_t>(lib.now()) < target) ::Sleep(1);
      out("stop", lib.stop());
    } else if (std::strcmp(action, "repeat") == 0) {
      const long count = std::atol(arg(i));
      const char *url = arg(i + 2), *file = arg(i + 3);
      i += 4;
      long failed = 0;
      for (long n = 0; n < count; ++n) {
        last_start = lib.http(url, file);
        if (last_start == 0 || wait_idle(lib) != 0) ++failed;
      }
      out("repeat_failed", failed);
    } else {
      std::printf("error unknown action %s\n", action);
      return 2;
    }
  }
  await_last_worker(lib, last_start);
  return 0;
}
