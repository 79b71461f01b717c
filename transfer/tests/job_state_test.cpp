// Start and stop rules of the job interface: refusals, parameter copies,
// a worker that cannot be started, and the stop request's exchange.
#include "transfer/core/job_state.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>

namespace qv {
namespace {

struct Launcher {
  std::int32_t result = 0x1234;
  int calls = 0;
  std::int32_t state_seen = 0;
  SharedJobState* shared = nullptr;

  static std::int32_t launch(void* self) {
    auto* l = static_cast<Launcher*>(self);
    ++l->calls;
    l->state_seen = l->shared->job_state.load();
    return l->result;
  }
};

std::int32_t start(SharedJobState& shared, Launcher& launcher, std::int32_t code, const StartArgs& args) {
  launcher.shared = &shared;
  return start_job(shared, code, args, &Launcher::launch, &launcher);
}

TEST(StartJob, CopiesArgumentsInOrderAndSetsTheCodeBeforeLaunching) {
  SharedJobState shared;
  Launcher launcher;
  const StartArgs args{{"srv", "me", "pw", "pub/f.txt", "A", "C:\\f.txt"}};
  EXPECT_EQ(start(shared, launcher, JOB_FTP_UPLOAD, args), 0x1234);
  EXPECT_EQ(launcher.state_seen, JOB_FTP_UPLOAD);
  EXPECT_EQ(shared.job_state.load(), JOB_FTP_UPLOAD);
  EXPECT_STREQ(shared.params.server, "srv");
  EXPECT_STREQ(shared.params.user, "me");
  EXPECT_STREQ(shared.params.password, "pw");
  EXPECT_STREQ(shared.params.remote_path, "pub/f.txt");
  EXPECT_STREQ(shared.params.mode, "A");
  EXPECT_STREQ(shared.params.local_file, "C:\\f.txt");
}

TEST(StartJob, NullArgumentsAreEmptyStrings) {
  SharedJobState shared;
  std::memset(shared.params.user, 'x', 10);
  Launcher launcher;
  EXPECT_NE(start(shared, launcher, JOB_HTTP_DOWNLOAD, StartArgs{{"http://h/", nullptr, nullptr, nullptr, nullptr, "f"}}),
            0);
  EXPECT_STREQ(shared.params.user, "");
  EXPECT_STREQ(shared.params.mode, "");
}

TEST(StartJob, RefusedWhileAJobRunsOrAStopIsPending) {
  for (std::int32_t running : {JOB_FTP_DOWNLOAD, JOB_FTP_COMMAND, JOB_HTTP_DOWNLOAD, JOB_STOP_REQUESTED}) {
    SharedJobState shared;
    std::strcpy(shared.params.server, "old");
    shared.job_state.store(running);
    Launcher launcher;
    EXPECT_EQ(start(shared, launcher, JOB_HTTP_DOWNLOAD, StartArgs{{"new", "", "", "", "", "f"}}), running);
    EXPECT_EQ(launcher.calls, 0);
    EXPECT_EQ(shared.job_state.load(), running);
    EXPECT_STREQ(shared.params.server, "old");
  }
}

TEST(StartJob, TakesNinetyNineBytesAndRefusesAHundredWithoutTouchingAnyBuffer) {
  SharedJobState shared;
  Launcher launcher;
  const std::string fits(99, 'a');
  EXPECT_NE(start(shared, launcher, JOB_FTP_DOWNLOAD, StartArgs{{"s", "u", "p", fits.c_str(), "", "f"}}), 0);
  EXPECT_EQ(std::string(shared.params.remote_path), fits);

  for (int position = 0; position < 6; ++position) {
    SharedJobState fresh;
    std::strcpy(fresh.params.server, "keep");
    std::strcpy(fresh.params.local_file, "keep");
    Launcher refused;
    const std::string too_long(100, 'b');
    StartArgs args{{"s", "u", "p", "r", "m", "l"}};
    args.text[position] = too_long.c_str();
    EXPECT_EQ(start(fresh, refused, JOB_FTP_DOWNLOAD, args), 0) << position;
    EXPECT_EQ(refused.calls, 0);
    EXPECT_EQ(fresh.job_state.load(), JOB_IDLE);
    EXPECT_STREQ(fresh.params.server, "keep");
    EXPECT_STREQ(fresh.params.local_file, "keep");
    EXPECT_STREQ(fresh.params.user, "");
  }
}

TEST(StartJob, AWorkerThatCannotStartPutsTheStateBackToIdle) {
  SharedJobState shared;
  Launcher launcher;
  launcher.result = 0;
  EXPECT_EQ(start(shared, launcher, JOB_HTTP_DOWNLOAD, StartArgs{{"u", "", "", "", "", "f"}}), 0);
  EXPECT_EQ(launcher.state_seen, JOB_HTTP_DOWNLOAD);
  EXPECT_EQ(shared.job_state.load(), JOB_IDLE);
  launcher.result = 7;
  EXPECT_EQ(start(shared, launcher, JOB_HTTP_DOWNLOAD, StartArgs{{"u", "", "", "", "", "f"}}), 7);
}

TEST(RequestStop, ReturnsThePreviousStateAndMarksRunningJobs) {
  struct Row {
    std::int32_t before, result, after;
  };
  const Row rows[] = {
      {JOB_IDLE, JOB_IDLE, JOB_IDLE},
      {JOB_FTP_DOWNLOAD, JOB_FTP_DOWNLOAD, JOB_STOP_REQUESTED},
      {JOB_HTTP_DOWNLOAD, JOB_HTTP_DOWNLOAD, JOB_STOP_REQUESTED},
      {JOB_STOP_REQUESTED, JOB_STOP_REQUESTED, JOB_STOP_REQUESTED},
  };
  for (const Row& row : rows) {
    std::atomic<std::int32_t> state{row.before};
    EXPECT_EQ(request_stop(state), row.result) << row.before;
    EXPECT_EQ(state.load(), row.after) << row.before;
  }
}

TEST(RequestStop, NeverLeavesAStopBehindAWorkerThatEnded) {
  // A stop request races with a worker's final reset; whichever comes
  // first, the state must be idle once both are done.
  for (int round = 0; round < 2000; ++round) {
    std::atomic<std::int32_t> state{JOB_HTTP_DOWNLOAD};
    std::thread worker([&] { state.store(JOB_IDLE); });
    const std::int32_t seen = request_stop(state);
    worker.join();
    ASSERT_TRUE(seen == JOB_HTTP_DOWNLOAD || seen == JOB_IDLE) << seen;
    ASSERT_EQ(state.load(), JOB_IDLE) << round;
  }
}

}  // namespace
}  // namespace qv
