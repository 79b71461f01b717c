// The follow-up countdown as a pure state machine: one tick per second,
// reset by the host's keep-alive message, cut short by a picked entry.
#pragma once

namespace vesk {

class Countdown {
 public:
  // Message 10000: start counting from 0 again.
  void keep_alive() { idle_ticks_ = 0; }
  // Message 10001: the phase ends at the next tick.
  void picked() { idle_ticks_ = kLastTick - 1; }
  // One timer tick. Returns true exactly when the count reaches 20: the
  // caller stops the timer and ends the program.
  bool tick() { return ++idle_ticks_ == kLastTick; }
  int idle_ticks() const { return idle_ticks_; }

 private:
  static constexpr int kLastTick = 20;
  int idle_ticks_ = 0;
};

}  // namespace vesk
