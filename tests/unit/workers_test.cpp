#include "app/workers.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>

namespace qirvo {
namespace {

TEST(Workers, StopBeforeAnyStartDoesNothing) {
  WorkerHandle field;
  stopWorker(field);
  EXPECT_FALSE(field.holdsAny());
}

TEST(Workers, StopRunningWorkerReturnsOnlyAfterItEnded) {
  WorkerHandle field;
  std::atomic<int> painted{0};
  std::atomic<bool> ended{false};
  std::atomic<bool> started{false};
  startWorker(
      [&](std::stop_token st) {
        started = true;
        while (!st.stop_requested()) painted.fetch_add(1);
        ended = true;
      },
      &field);
  while (!started) std::this_thread::yield();
  stopWorker(field);
  EXPECT_TRUE(ended);
  const int after = painted.load();
  std::this_thread::sleep_for(std::chrono::milliseconds(5));
  EXPECT_EQ(painted.load(), after);
}

TEST(Workers, StopFinishedWorkerAndEveryWorkerOfAField) {
  WorkerHandle field;
  std::atomic<int> done{0};
  startWorker([&](std::stop_token) { ++done; }, &field);
  std::atomic<int> running{0};
  for (int i = 0; i < 3; ++i)
    startWorker(
        [&](std::stop_token st) {
          ++running;
          while (!st.stop_requested()) std::this_thread::yield();
          --running;
        },
        &field);
  stopWorker(field);
  EXPECT_EQ(done, 1);
  EXPECT_EQ(running, 0);
  stopWorker(field);  // again: nothing left
}

}  // namespace
}  // namespace qirvo
