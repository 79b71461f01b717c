// Late binding of "qvftp.dll": loaded by its full path in the program
// directory (never from the search path, where another file of that name
// could stand) when the check first needs it, and kept until the program
// ends. The exports use the standard Windows calling convention.
#include "plugin/win/transfer_link.h"

#include <windows.h>

#include "plugin/win/plugin_state.h"

namespace vesk::win {
namespace {

using QvHttp = int(WINAPI*)(const char* url, const char* local_file);
using QvState = int(WINAPI*)();

struct TransferLibrary {
  HMODULE module = nullptr;
  QvHttp qvhttp = nullptr;
  QvState qvstate = nullptr;
};

const TransferLibrary& library() {
  static const TransferLibrary lib = [] {
    TransferLibrary l;
    l.module = LoadLibraryW((plugin().app_dir + L"qvftp.dll").c_str());
    if (l.module) {
      l.qvhttp = reinterpret_cast<QvHttp>(reinterpret_cast<void*>(GetProcAddress(l.module, "qvhttp")));
      l.qvstate = reinterpret_cast<QvState>(reinterpret_cast<void*>(GetProcAddress(l.module, "qvstate")));
    }
    return l;
  }();
  return lib;
}

}  // namespace

bool start_http_download(const std::string& url, const std::string& local_file) {
  const TransferLibrary& lib = library();
  if (!lib.qvhttp || !lib.qvstate) return false;
  lib.qvhttp(url.c_str(), local_file.c_str());
  return true;
}

int transfer_job_state() {
  const TransferLibrary& lib = library();
  return lib.qvstate ? lib.qvstate() : 0;
}

}  // namespace vesk::win
