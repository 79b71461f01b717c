// Owners for the Windows and C runtime resources of the transfer jobs:
// kernel handles (the worker thread), Internet client handles and C file
// streams.
#pragma once

#include <windows.h>
#include <wininet.h>

#include <cstdio>

#include "base/unique_handle.h"

namespace qv {

using base::UniqueHandle;

struct KernelHandleTraits {
  using Value = HANDLE;
  static Value invalid() { return nullptr; }
  static void close(Value h) { ::CloseHandle(h); }
};
using KernelHandle = UniqueHandle<KernelHandleTraits>;

struct InternetHandleTraits {
  using Value = HINTERNET;
  static Value invalid() { return nullptr; }
  static void close(Value h) { ::InternetCloseHandle(h); }
};
using InternetHandle = UniqueHandle<InternetHandleTraits>;

struct FileStreamTraits {
  using Value = std::FILE*;
  static Value invalid() { return nullptr; }
  static void close(Value f) { std::fclose(f); }
};
using FileStream = UniqueHandle<FileStreamTraits>;

}  // namespace qv
