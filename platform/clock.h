#ifndef PAVODIN_PLATFORM_CLOCK_H_
#define PAVODIN_PLATFORM_CLOCK_H_

#include <cstdint>

// Local time and sleeping, passed in so that dates, times and delays can be tested.

namespace pavodin {

struct LocalTime {
  int year = 0, month = 0, day = 0;
  int weekday = 0;  // 0 = Sunday
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime Now() = 0;
  // Monotonic milliseconds, for measuring waits.
  virtual int64_t MonotonicMs() = 0;
  virtual void SleepMs(int ms) = 0;
};

class SystemClock : public Clock {
 public:
  LocalTime Now() override;
  int64_t MonotonicMs() override;
  void SleepMs(int ms) override;
};

// A clock that stands still unless told: sleeping only advances it.
class FakeClock : public Clock {
 public:
  LocalTime Now() override { return now; }
  int64_t MonotonicMs() override { return monotonic_ms; }
  void SleepMs(int ms) override {
    monotonic_ms += ms;
    slept_ms += ms;
  }

  LocalTime now;
  int64_t monotonic_ms = 0;
  int64_t slept_ms = 0;
};

}  // namespace pavodin

#endif  // PAVODIN_PLATFORM_CLOCK_H_
