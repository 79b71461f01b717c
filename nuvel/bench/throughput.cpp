// Throughput of the engine on 50 MB of real Japanese text (manpages-ja) per
// input encoding, stated and detected, against glibc iconv and nkf on the
// same files in the same run; prints MB/s and the ratios.
// Usage: nuvel_bench [corpus-dir] [bytes] [input name, e.g. UTF-16: only it]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "nuvel/tests/oracle/corpus.h"
#include "nuvel/core/convert.h"
#include "nuvel/core/detect.h"

namespace {

using namespace nuvel;

struct input_kind {
  const char* file;   // text.<file> in the corpus
  encoding stated;
  const char* iconv;  // iconv's name
  const char* nkf;    // nkf's input option
};

const input_kind kKinds[] = {
    {"utf8", encoding::utf8, "UTF-8", "--ic=UTF-8"},
    {"eucjp", encoding::eucjp, "EUC-JP", "--ic=EUC-JP"},
    {"iso2022jp", encoding::iso2022jp, "ISO-2022-JP", "--ic=ISO-2022-JP"},
    {"sjis", encoding::shift_jis, "CP932", "--ic=CP932"},
    {"utf16", encoding::utf16le, "UTF-16", "--ic=UTF-16"},
};

constexpr int kRuns = 5;

// Best MB/s of kRuns conversions.
template <class F>
double best_mb_per_s(std::size_t bytes, F f) {
  double best = 1e30;
  for (int k = 0; k < kRuns; ++k) {
    double start = test::now_seconds();
    f();
    best = std::min(best, test::now_seconds() - start);
  }
  return bytes / best / 1e6;
}

double command_mb_per_s(std::size_t bytes, const std::string& command) {
  double best = 1e30;
  for (int k = 0; k < 3; ++k) {
    double t = test::time_command(command);
    if (t < 0) return -1;
    best = std::min(best, t);
  }
  return bytes / best / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  std::string dir = argc > 1 ? argv[1] : "/tmp/nuvel-bench-corpus";
  long long bytes = argc > 2 ? std::atoll(argv[2]) : 50000000;
  if (!test::ensure_corpus(dir, bytes)) return 1;

  std::printf("%-10s %8s | %9s %9s | %9s %9s %9s | %7s %7s %7s\n", "input", "MB", "ours", "ours-det", "iconv",
              "nkf", "nkf-guess", "/iconv", "/nkf", "det/nkfg");
  for (const input_kind& k : kKinds) {
    if (argc > 3 && std::string(argv[3]) != k.iconv) continue;
    std::string path = dir + "/text." + k.file;
    std::string in = test::read_file(path);
    std::vector<char> out(sjis_length_upper_bound(in.size()));
    volatile std::size_t sink = 0;
    double ours = best_mb_per_s(in.size(), [&] { sink = sink + convert_to_sjis(k.stated, in.data(), in.size(), out.data()).count; });
    double detected = best_mb_per_s(in.size(), [&] {
      sink = sink + convert_detected_to_sjis(in.data(), in.size(), out.data()).count;
    });
    double iconv = command_mb_per_s(in.size(), std::string("iconv -f ") + k.iconv + " -t CP932 < '" + path + "' > /dev/null");
    double nkf = command_mb_per_s(in.size(), std::string("nkf -x --oc=CP932 ") + k.nkf + " < '" + path + "' > /dev/null");
    double nkf_guess = command_mb_per_s(in.size(), "nkf -x --oc=CP932 < '" + path + "' > /dev/null");
    std::printf("%-10s %8.1f | %9.1f %9.1f | %9.1f %9.1f %9.1f | %7.1f %7.1f %7.1f\n", k.iconv, in.size() / 1e6, ours,
                detected, iconv, nkf, nkf_guess, ours / iconv, ours / nkf, detected / nkf_guess);
    std::fflush(stdout);
  }
  std::printf("MB/s = 10^6 input bytes per second, best of %d (engine) or 3 (processes, to /dev/null).\n", kRuns);
  return 0;
}
