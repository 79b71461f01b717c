// The real-text corpus (manpages-ja in five encodings, with glibc iconv's
// code page 932 output for each, built by make_corpus.py) and the shell
// helpers that the oracle tests and the benchmarks share.
#pragma once

#include <string>

namespace nuvel::test {

// Builds the corpus in `dir` (about `bytes` of UTF-8 text) unless it is
// there already; false when the build failed.
bool ensure_corpus(const std::string& dir, long long bytes);

// The whole file at `path`; empty when missing.
std::string read_file(const std::string& path);

// Runs a shell command with `input` on its standard input and returns its
// standard output.
std::string run_filter(const std::string& command, const std::string& input);

// Seconds since an arbitrary start, monotonic.
double now_seconds();

// Runs a shell command; its wall-clock seconds, or a negative number when it
// failed.
double time_command(const std::string& command);

}  // namespace nuvel::test
