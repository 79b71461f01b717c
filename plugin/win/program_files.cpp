// File access of the plug-in: presence by directory search, whole-file
// reads and replacement through a temporary file. Wide paths, so a program
// folder with any name works.
#include "plugin/win/program_files.h"

#include <windows.h>

#include "plugin/win/unique_handle.h"

namespace vesk::win {
namespace {

// The plug-in's files are small (a store holds at most 1000 entries); a
// larger file is not one of them and is not read into memory.
constexpr LONGLONG kMaxReadBytes = 64LL * 1024 * 1024;

}  // namespace

bool is_present(const std::wstring& path) {
  WIN32_FIND_DATAW found{};
  FindHandle search(FindFirstFileW(path.c_str(), &found));
  if (!search) return false;
  constexpr DWORD kNotOrdinary = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  return (found.dwFileAttributes & kNotOrdinary) == 0;
}

std::optional<std::string> read_file_bytes(const std::wstring& path) {
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > kMaxReadBytes) return std::nullopt;
  std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD got = 0;
    if (!ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &got, nullptr))
      return std::nullopt;
    if (got == 0) break;
    done += got;
  }
  bytes.resize(done);
  return bytes;
}

namespace {

bool write_new_file(const std::wstring& path, std::string_view bytes) {
  FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD wrote = 0;
    if (!WriteFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &wrote, nullptr) ||
        wrote == 0)
      return false;
    done += wrote;
  }
  return FlushFileBuffers(file.get()) != FALSE;
}

}  // namespace

bool replace_file_whole(const std::wstring& path, std::string_view bytes) {
  const std::wstring temp = path + L".new";
  if (write_new_file(temp, bytes) &&
      MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  DeleteFileW(temp.c_str());
  return false;
}

}  // namespace vesk::win
