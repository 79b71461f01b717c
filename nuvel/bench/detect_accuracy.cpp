// Detection accuracy on pieces of 64, 256 and 1024 bytes of real Japanese
// text (manpages-ja) in each encoding, plus Shift_JIS and EUC-JP with the
// katakana made half-width (the classic trap), compared with `nkf --guess`
// and `uchardet` on the same pieces. Prints percentages; not a test.
// Usage: nuvel_detect_accuracy [corpus-dir] [pieces-per-cell]
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "nuvel/tests/oracle/corpus.h"
#include "nuvel/core/detect.h"

namespace {

using namespace nuvel;

struct text_set {
  const char* name;
  encoding truth;
  std::string bytes;
};

// What a tool's answer names, as one of our encodings (ascii when unknown).
encoding from_tool_name(std::string name) {
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (name.rfind("UTF-8", 0) == 0) return encoding::utf8;
  if (name.rfind("EUC", 0) == 0 || name.rfind("CP51932", 0) == 0) return encoding::eucjp;
  if (name.rfind("SHIFT_JIS", 0) == 0 || name.rfind("CP932", 0) == 0 || name.rfind("WINDOWS-31J", 0) == 0)
    return encoding::shift_jis;
  if (name.rfind("ISO-2022-JP", 0) == 0) return encoding::iso2022jp;
  return encoding::ascii;
}

// A tool's one-line answer on `input`, without the line end.
std::string tool_answer(const std::string& command, const std::string& input) {
  std::string out = test::run_filter(command, input);
  while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
  return out;
}

bool has_japanese(const std::string& piece, encoding e) {
  for (unsigned char c : piece)
    if (e == encoding::iso2022jp ? c == 0x1B : c >= 0x80) return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  std::string dir = argc > 1 ? argv[1] : "/tmp/nuvel-accuracy-corpus";
  int per_cell = argc > 2 ? std::atoi(argv[2]) : 100;
  if (!test::ensure_corpus(dir, 1000000)) return 1;
  std::string utf8 = test::read_file(dir + "/text.utf8");
  std::vector<text_set> sets = {
      {"UTF-8", encoding::utf8, utf8},
      {"EUC-JP", encoding::eucjp, test::read_file(dir + "/text.eucjp")},
      {"Shift_JIS", encoding::shift_jis, test::read_file(dir + "/text.sjis")},
      {"ISO-2022-JP", encoding::iso2022jp, test::read_file(dir + "/text.iso2022jp")},
      // nkf -Z4 turns full-width katakana into half-width.
      {"SJIS half-w", encoding::shift_jis, test::run_filter("nkf -x -Z4 --ic=UTF-8 --oc=CP932", utf8)},
      {"EUC half-w", encoding::eucjp, test::run_filter("nkf -x -Z4 --ic=UTF-8 --oc=EUC-JP", utf8)},
  };

  std::printf("%-12s %6s %6s | %7s %7s %9s\n", "text", "bytes", "pieces", "ours%", "nkf%", "uchardet%");
  for (const text_set& s : sets) {
    for (std::size_t size : {64, 256, 1024}) {
      unsigned seed = 12345;
      int pieces = 0, ours = 0, nkf = 0, uchardet = 0, tries = 0;
      while (pieces < per_cell && tries++ < per_cell * 50) {
        seed = seed * 1103515245u + 12345u;
        std::size_t at = s.bytes.find('\n', (seed >> 4) % s.bytes.size());
        if (at == std::string::npos || at + 1 + size > s.bytes.size()) continue;
        std::string piece = s.bytes.substr(at + 1, size);
        if (!has_japanese(piece, s.truth)) continue;
        ++pieces;
        ours += detect_encoding(piece.data(), piece.size()) == s.truth;
        nkf += from_tool_name(tool_answer("nkf --guess", piece)) == s.truth;
        uchardet += from_tool_name(tool_answer("uchardet", piece)) == s.truth;
      }
      auto pct = [&](int k) { return pieces ? 100.0 * k / pieces : 0.0; };
      std::printf("%-12s %6zu %6d | %7.1f %7.1f %9.1f\n", s.name, size, pieces, pct(ours), pct(nkf), pct(uchardet));
      std::fflush(stdout);
    }
  }
  return 0;
}
