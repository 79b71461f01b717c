// Corpus helpers for the oracle tests (see corpus.h).
#include "nuvel/tests/oracle/corpus.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace nuvel::test {

bool ensure_corpus(const std::string& dir, long long bytes) {
  std::string command = "/usr/bin/python3 " VESK_SOURCE_DIR "/nuvel/tests/oracle/make_corpus.py '" + dir +
                        "' --bytes " + std::to_string(bytes);
  return std::system(command.c_str()) == 0;
}

std::string read_file(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

std::string run_filter(const std::string& command, const std::string& input) {
  char name[] = "/tmp/nuvel-filter-XXXXXX";
  int fd = mkstemp(name);
  if (fd < 0) return {};
  FILE* f = fdopen(fd, "wb");
  std::fwrite(input.data(), 1, input.size(), f);
  std::fclose(f);
  std::string full = command + " < '" + name + "' 2>/dev/null";
  FILE* p = popen(full.c_str(), "r");
  std::string out;
  char buf[65536];
  std::size_t got;
  while (p && (got = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, got);
  if (p) pclose(p);
  std::remove(name);
  return out;
}

double now_seconds() {
  using clock = std::chrono::steady_clock;
  return std::chrono::duration<double>(clock::now().time_since_epoch()).count();
}

double time_command(const std::string& command) {
  double start = now_seconds();
  int rc = std::system(command.c_str());
  double t = now_seconds() - start;
  return rc == 0 ? t : -1;
}

}  // namespace nuvel::test
