// A fixed set of threads over one queue: the HTTP layer's handler threads, and the same pool
// behind the layer comparison's Boost.Beast server.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace lexiton::server {

// close() lets the queue run dry, then joins; a task submitted after close() is refused, so
// the caller runs it itself.
class WorkerPool {
 public:
  explicit WorkerPool(unsigned threads) {
    for (unsigned i = 0; i < threads; ++i) threads_.emplace_back([this] { run(); });
  }
  ~WorkerPool() { close(); }
  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;

  bool submit(std::function<void()> task) {
    {
      std::lock_guard lock(mutex_);
      if (closed_) return false;
      queue_.push_back(std::move(task));
    }
    wake_.notify_one();
    return true;
  }

  void close() {
    {
      std::lock_guard lock(mutex_);
      if (closed_) return;
      closed_ = true;
    }
    wake_.notify_all();
    for (auto& t : threads_) t.join();
  }

 private:
  void run() {
    for (;;) {
      std::function<void()> task;
      {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [&] { return closed_ || !queue_.empty(); });
        if (queue_.empty()) return;  // closed and drained
        task = std::move(queue_.front());
        queue_.pop_front();
      }
      task();
    }
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::function<void()>> queue_;
  bool closed_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace lexiton::server
