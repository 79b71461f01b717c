// mojiro.exe: converts the Japanese text of one file to Shift_JIS through
// nuvel.dll and writes the result to a second file. Prints nothing but its
// usage text and always exits with 0; the caller reads only the output file.
#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "nuvel/include/nuvel/nuvel.h"

namespace {

// The output area is eight bytes per input byte and sizes are 32-bit, so
// 2^29 bytes and more cannot be handed over; such an input is refused.
constexpr std::int64_t kMaxInputSize = (std::int64_t{1} << 29) - 1;

struct file_closer {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using unique_file = std::unique_ptr<std::FILE, file_closer>;

struct area_free {
  void operator()(char* p) const { std::free(p); }
};
using unique_area = std::unique_ptr<char, area_free>;

// The size the file system reports for `path`; -1 when it cannot say.
std::int64_t file_size(const char* path) {
  struct _stati64 st;
  if (_stati64(path, &st) != 0) return -1;
  return st.st_size;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("Usage: mojiro infile outfile\n", stdout);
    return 0;
  }
  // Both opens before either result is looked at: the output is created or
  // emptied even when the input cannot be opened. Declared in opening order,
  // so the output closes after the input.
  std::FILE* in_raw = std::fopen(argv[1], "r+b");
  unique_file out(std::fopen(argv[2], "w+b"));
  unique_file in(in_raw);
  if (!in || !out) return 0;

  std::int64_t size = file_size(argv[1]);
  if (size <= 0 || size > kMaxInputSize) return 0;

  const auto n = static_cast<std::size_t>(size);
  unique_area input(static_cast<char*>(std::malloc(n + 4)));
  if (!input) return 0;
  unique_area output(static_cast<char*>(std::malloc(8 * n)));
  if (!output) return 0;

  std::size_t got = std::fread(input.get(), 1, n, in.get());
  for (int k = 0; k < 4; ++k) input.get()[got + k] = 0;

  std::int32_t m = nuvel(NUVEL_DETECT, input.get(), static_cast<std::int32_t>(got), NUVEL_SHIFT_JIS, output.get());
  if (m > 0) std::fwrite(output.get(), 1, static_cast<std::size_t>(m), out.get());
  return 0;
}
