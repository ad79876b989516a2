#pragma once
// A few threads that run tasks in the order they were handed in. The threads start with the
// first task, so a run that hands in none starts none; the destructor lets the queued tasks
// run and then joins them.
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace vl {

class WorkerPool {
 public:
  explicit WorkerPool(size_t threads) : m_size(threads) {}
  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;
  ~WorkerPool();

  void Submit(std::function<void()> task);

 private:
  void Work();

  const size_t m_size;
  std::mutex m_mutex;
  std::condition_variable m_wake;
  std::deque<std::function<void()>> m_tasks;
  bool m_stopping = false;
  std::vector<std::thread> m_threads;
};

}  // namespace vl
