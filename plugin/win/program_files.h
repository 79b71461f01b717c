// The plug-in's file access in its program directory: the presence test
// that start-up and the settings use, whole-file reads, and whole-file
// replacement through a temporary file so a reader never sees half a file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vesk::win {

// True when a directory search for `path` finds an ordinary file: a
// directory of that name, a hidden or a system file does not count.
bool is_present(const std::wstring& path);

// The whole file as bytes; nullopt when it cannot be opened or read.
std::optional<std::string> read_file_bytes(const std::wstring& path);

// Writes `bytes` to `path` + ".new" and then moves it over `path`
// (MoveFileEx, replacing). Returns false, and leaves any earlier `path`
// untouched, when any step fails; the temporary file is then removed.
bool replace_file_whole(const std::wstring& path, std::string_view bytes);

}  // namespace vesk::win
