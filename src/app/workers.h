#pragma once
#include <functional>
#include <mutex>
#include <stop_token>
#include <thread>
#include <vector>

namespace qirvo {

// A pass checks its stop token before each pixel and paints nothing once it is set.
using WorkerRoutine = std::function<void(std::stop_token)>;

// The threads started into one handle field. Starting a new one leaves the earlier ones
// running, as before; stopping the field stops every one of them, so no forgotten pass can
// paint after a stop.
class WorkerHandle {
 public:
  WorkerHandle() = default;
  WorkerHandle(const WorkerHandle&) = delete;
  WorkerHandle& operator=(const WorkerHandle&) = delete;
  ~WorkerHandle();

  bool holdsAny() const;

 private:
  friend bool startWorker(WorkerRoutine routine, WorkerHandle* field);
  friend void stopWorker(WorkerHandle& field);

  // Waits, without asking them to stop, until every thread of the field has ended by itself.
  // For tests and benchmarks that need a pass's finished result.
  void waitWorker(WorkerHandle& field);
  friend void waitWorker(WorkerHandle& field);
  mutable std::mutex mutex_;
  std::vector<std::jthread> threads_;
};

// Runs the routine on a new thread. With a field the thread is kept there; without one it
// is detached and runs until its routine returns or the process ends.
bool startWorker(WorkerRoutine routine, WorkerHandle* field = nullptr);

// Requests the stop and returns only once the thread has ended; afterwards it paints
// nothing more. A field with no thread, or a finished one, is left as it is.
void stopWorker(WorkerHandle& field);

// Waits, without asking them to stop, until every thread of the field has ended by itself.
// For tests and benchmarks that need a pass's finished result.
void waitWorker(WorkerHandle& field);

}  // namespace qirvo
