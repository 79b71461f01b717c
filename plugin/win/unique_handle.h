// Move-only owners for the Windows resources the plug-in opens: kernel
// handles (mutex, mapping, process), files, directory searches, mapped
// views and loaded libraries. Each closes its resource exactly once; locals
// declared in opening order close in reverse order on every path.
#pragma once

#include <windows.h>

#include "base/unique_handle.h"

namespace vesk::win {

using base::UniqueHandle;

// Handles whose failure value is 0: mutex, file mapping, process, thread.
struct KernelHandleTraits {
  using Value = HANDLE;
  static Value invalid() { return nullptr; }
  static void close(Value v) { CloseHandle(v); }
};

// Handles whose failure value is INVALID_HANDLE_VALUE: CreateFile.
struct FileHandleTraits {
  using Value = HANDLE;
  static Value invalid() { return INVALID_HANDLE_VALUE; }
  static void close(Value v) { CloseHandle(v); }
};

struct FindHandleTraits {
  using Value = HANDLE;
  static Value invalid() { return INVALID_HANDLE_VALUE; }
  static void close(Value v) { FindClose(v); }
};

struct MappedViewTraits {
  using Value = const void*;
  static Value invalid() { return nullptr; }
  static void close(Value v) { UnmapViewOfFile(v); }
};

struct ModuleTraits {
  using Value = HMODULE;
  static Value invalid() { return nullptr; }
  static void close(Value v) { FreeLibrary(v); }
};

using KernelHandle = UniqueHandle<KernelHandleTraits>;
using FileHandle = UniqueHandle<FileHandleTraits>;
using FindHandle = UniqueHandle<FindHandleTraits>;
using MappedView = UniqueHandle<MappedViewTraits>;
using LoadedModule = UniqueHandle<ModuleTraits>;

}  // namespace vesk::win
