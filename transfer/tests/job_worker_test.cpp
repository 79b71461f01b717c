// The worker's rules: counters zeroed at its start, the job of the code the
// start left, no job after an early stop request, and idle at its end.
#include "transfer/core/job_worker.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

int g_ran = 0;  // code of the job that ran, 0 when none
std::int32_t g_state_during = 0;

template <int Code>
void record(SharedJobState& shared, WorkBuffer&) {
  g_ran = Code;
  g_state_during = shared.job_state.load();
  EXPECT_EQ(shared.total_bytes.load(), 0u);
  EXPECT_EQ(shared.done_bytes.load(), 0u);
  shared.total_bytes.store(100 + Code);
  shared.done_bytes.store(10 + Code);
}

constexpr JobRunners kRecorders{record<1>, record<2>, record<3>, record<4>};

TEST(RunWorker, RunsTheJobOfItsCodeAndEndsIdleWithTheCountersKept) {
  for (std::int32_t code : {JOB_FTP_DOWNLOAD, JOB_FTP_UPLOAD, JOB_FTP_COMMAND, JOB_HTTP_DOWNLOAD}) {
    SharedJobState shared;
    shared.job_state.store(code);
    shared.total_bytes.store(7777);
    shared.done_bytes.store(6666);
    g_ran = 0;
    run_worker(shared, kRecorders);
    EXPECT_EQ(g_ran, code);
    EXPECT_EQ(g_state_during, code);
    EXPECT_EQ(shared.job_state.load(), JOB_IDLE);
    EXPECT_EQ(shared.total_bytes.load(), 100u + code);
    EXPECT_EQ(shared.done_bytes.load(), 10u + code);
  }
}

TEST(RunWorker, AStopBeforeTheWorkerBeganRunsNoJob) {
  SharedJobState shared;
  shared.job_state.store(JOB_STOP_REQUESTED);
  shared.total_bytes.store(5);
  shared.done_bytes.store(5);
  g_ran = 0;
  run_worker(shared, kRecorders);
  EXPECT_EQ(g_ran, 0);
  EXPECT_EQ(shared.job_state.load(), JOB_IDLE);
  EXPECT_EQ(shared.total_bytes.load(), 0u);
  EXPECT_EQ(shared.done_bytes.load(), 0u);
}

}  // namespace
}  // namespace qv
