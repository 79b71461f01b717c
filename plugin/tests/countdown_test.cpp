// The follow-up countdown fed with ticks and host messages.
#include "plugin/core/countdown.h"

#include <gtest/gtest.h>

#include <string>

namespace vesk {
namespace {

// Runs a sequence of events ('t' tick, 'k' keep-alive, 'p' picked) and
// returns the number of ticks until the phase ended, or 0 when it did not.
int ticks_until_end(const std::string& events) {
  Countdown c;
  int ticks = 0;
  for (char e : events) {
    if (e == 'k') c.keep_alive();
    if (e == 'p') c.picked();
    if (e == 't') {
      ++ticks;
      if (c.tick()) return ticks;
    }
  }
  return 0;
}

TEST(Countdown, Table) {
  const std::string twenty(20, 't');
  const std::pair<std::string, int> cases[] = {
      {twenty, 20},                                   // no message: the 20th tick ends it
      {std::string(19, 't'), 0},
      {std::string(19, 't') + "k" + twenty, 39},      // keep-alive just before the 20th
      {"ttt" "p" "t", 4},                             // a pick ends it at the next tick
      {"p" "p" "t", 1},                               // two picks: still the next tick
      {"ttp" "k" + twenty, 22},                       // a later keep-alive restarts the count
  };
  for (const auto& [events, ended_at] : cases) EXPECT_EQ(ticks_until_end(events), ended_at) << events;
}

TEST(Countdown, IdleTicksFollowTheMessages) {
  Countdown c;
  EXPECT_EQ(c.idle_ticks(), 0);
  c.tick();
  c.tick();
  EXPECT_EQ(c.idle_ticks(), 2);
  c.picked();
  EXPECT_EQ(c.idle_ticks(), 19);
  c.keep_alive();
  EXPECT_EQ(c.idle_ticks(), 0);
}

}  // namespace
}  // namespace vesk
