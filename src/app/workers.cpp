#include "app/workers.h"

#include <algorithm>
#include <system_error>

namespace qirvo {

WorkerHandle::~WorkerHandle() {
  stopWorker(*this);
}

bool WorkerHandle::holdsAny() const {
  std::lock_guard lock(mutex_);
  return !threads_.empty();
}

bool startWorker(WorkerRoutine routine, WorkerHandle* field) {
  try {
    if (!field) {
      // Detached workers never see a stop request.
      std::thread([r = std::move(routine)] { r(std::stop_token{}); }).detach();
      return true;
    }
    std::jthread t(std::move(routine));
    std::lock_guard lock(field->mutex_);
    field->threads_.push_back(std::move(t));
    return true;
  } catch (const std::system_error&) {
    return false;  // the routine simply does not run
  }
}

void stopWorker(WorkerHandle& field) {
  std::vector<std::jthread> threads;
  {
    // Never join under the lock: a joined routine may start or stop workers itself.
    std::lock_guard lock(field.mutex_);
    threads.swap(field.threads_);
  }
  for (auto& t : threads) t.request_stop();
  for (auto& t : threads)
    if (t.joinable()) t.join();
}

void waitWorker(WorkerHandle& field) {
  std::vector<std::jthread> threads;
  {
    std::lock_guard lock(field.mutex_);
    threads.swap(field.threads_);
  }
  for (auto& t : threads)
    if (t.joinable()) t.join();
}

}  // namespace qirvo
