// Owners for the Windows and C runtime resources of the transfer jobs:
// kernel handles (the worker thread), Internet client handles and C file
// streams.
#pragma once

#include <windows.h>
#include <wininet.h>

#include <cstdio>

#include "transfer/win/unique_handle.h"

namespace qv {

struct KernelHandleTraits {
  using type = HANDLE;
  static type invalid() { return nullptr; }
  static void close(type h) { ::CloseHandle(h); }
};
using KernelHandle = UniqueHandle<KernelHandleTraits>;

struct InternetHandleTraits {
  using type = HINTERNET;
  static type invalid() { return nullptr; }
  static void close(type h) { ::InternetCloseHandle(h); }
};
using InternetHandle = UniqueHandle<InternetHandleTraits>;

struct FileStreamTraits {
  using type = std::FILE*;
  static type invalid() { return nullptr; }
  static void close(type f) { std::fclose(f); }
};
using FileStream = UniqueHandle<FileStreamTraits>;

}  // namespace qv
