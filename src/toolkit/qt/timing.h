#pragma once
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace qirvo {

// With QIRVO_TIMING set, the backend reports how long input took to reach the screen:
// from a button click to the first paint of a window it opened. A measuring aid for the
// benchmark script; silent otherwise.
class InputTiming {
 public:
  static InputTiming& instance() {
    static InputTiming t;
    return t;
  }
  bool enabled() const { return enabled_; }
  void markClick() {
    if (enabled_) clicked_ = Clock::now();
  }
  void markInput() {
    if (enabled_) input_ = Clock::now();
  }
  void reportInput(const char* what) {
    if (!enabled_) return;
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - input_).count();
    std::fprintf(stderr, "timing: %s %.3f ms\n", what, ms);
  }
  void reportPaint(const char* what) {
    if (!enabled_ || clicked_ == Clock::time_point{}) return;
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - clicked_).count();
    std::fprintf(stderr, "timing: %s %.2f ms\n", what, ms);
    clicked_ = {};
  }

 private:
  using Clock = std::chrono::steady_clock;
  InputTiming() : enabled_(std::getenv("QIRVO_TIMING") != nullptr) {}
  bool enabled_;
  Clock::time_point clicked_{};
  Clock::time_point input_{};
};

}  // namespace qirvo
