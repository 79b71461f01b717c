// Fixed values of the host shell's side of the plug-in interface: window
// messages, the copy-data identifier, the names of the shared memory, the
// mutex and the refresh library, and the plug-in list header. Gathered here
// so the host's contract is written down in one place.
#pragma once

#include <cstddef>

namespace vesk {

// Posted by the host while the user walks a menu page: keep the follow-up
// phase alive.
inline constexpr unsigned kMsgKeepAlive = 10000;
// Posted by the host when the user picks entry n (n = second parameter).
inline constexpr unsigned kMsgOpenEntry = 10001;
// COPYDATASTRUCT identifier of an SSTP request.
inline constexpr unsigned kCopyDataId = 9801;

// File mapping that holds the host window's handle.
inline constexpr char kSharedMemoryName[] = "Sakura";
// Mutex that exists while the host runs.
inline constexpr char kMutexName[] = "NPP";
// Host library, relative to the plug-in's program directory, and its
// argument-less export that makes the host re-read its plug-in lists.
inline constexpr char kHostLibraryPath[] = "..\\..\\sakurap.dll";
inline constexpr char kRefreshExport[] = "NPRefresh";

// First line of the plug-in list "npplugin.txt".
inline constexpr char16_t kPluginListHeader[] = u"NPP/1.3";
// Sender name in every request; also the title of the plug-in's message boxes.
inline constexpr char16_t kSenderName[] = u"ピルトナ";

// Bytes of the shared memory that are looked at (the copy has one more, 0).
inline constexpr std::size_t kHostBlockBytes = 1024;

}  // namespace vesk
