// The six parameter texts of a transfer job, as a worker thread sees them:
// zero-terminated ANSI strings of at most 99 bytes, copied by the start
// function while no job runs and only read by the worker afterwards.
#pragma once

#include <cstddef>

namespace qv {

constexpr std::size_t kParamSize = 100;  // 99 bytes and the terminator
constexpr std::size_t BLOCK_SIZE = 10240;

struct JobParams {
  char server[kParamSize] = {};
  char user[kParamSize] = {};
  char password[kParamSize] = {};
  char remote_path[kParamSize] = {};
  char mode[kParamSize] = {};
  char local_file[kParamSize] = {};
};

}  // namespace qv
