// A fixed set of threads over one queue: the HTTP layer's handler threads, and the same pool
// behind the layer comparison's Boost.Beast server.
#pragma once

#include <pthread.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace lexiton::server {

// close() lets the queue run dry, then joins; a task submitted after close() is refused, so
// the caller runs it itself.
//
// The pool also says how far behind it is (backlog()), so the HTTP layer can refuse work it
// could not start in time instead of queueing it: the estimate is kept up to date at every
// submit and every start of a task, and reading it takes no lock.
class WorkerPool {
 public:
  using Clock = std::chrono::steady_clock;

  explicit WorkerPool(unsigned threads, const char* threadName = "lexiton-work") : threadCount_(threads) {
    for (unsigned i = 0; i < threads; ++i)
      threads_.emplace_back([this, threadName] {
        pthread_setname_np(pthread_self(), threadName);
        run();
      });
  }
  ~WorkerPool() { close(); }
  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;

  bool submit(std::function<void()> task) {
    {
      std::lock_guard lock(mutex_);
      if (closed_) return false;
      queue_.push_back({std::move(task), Clock::now()});
      publish();
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

  // The time the threads need before they could start a task submitted now: the queued tasks
  // times the recent mean task time, shared among the threads; or, when that is shorter, how
  // long the oldest queued task has already waited (a task that suddenly takes far longer than
  // the mean shows there before its time enters the mean).
  std::chrono::nanoseconds backlog() const {
    const std::int64_t work = queuedWorkNs_.load(std::memory_order_relaxed);
    const std::int64_t oldest = oldestQueuedNs_.load(std::memory_order_relaxed);
    if (oldest == 0) return std::chrono::nanoseconds(work);
    const std::int64_t waited = Clock::now().time_since_epoch().count() - oldest;
    return std::chrono::nanoseconds(std::max(work, waited));
  }

  std::size_t queued() const { return queued_.load(std::memory_order_relaxed); }
  std::size_t maxQueued() const { return maxQueued_.load(std::memory_order_relaxed); }
  std::uint64_t completed() const { return completed_.load(std::memory_order_relaxed); }
  std::chrono::nanoseconds meanTaskTime() const {
    return std::chrono::nanoseconds(meanTaskNs_.load(std::memory_order_relaxed));
  }

 private:
  struct Item {
    std::function<void()> task;
    Clock::time_point queuedAt;
  };

  // Under mutex_: the figures backlog() and the counters read.
  void publish() {
    const std::size_t n = queue_.size();
    queued_.store(n, std::memory_order_relaxed);
    if (n > maxQueued_.load(std::memory_order_relaxed)) maxQueued_.store(n, std::memory_order_relaxed);
    const double work = double(n) * meanNs_ / double(std::max(1u, threadCount_));
    queuedWorkNs_.store(static_cast<std::int64_t>(work), std::memory_order_relaxed);
    oldestQueuedNs_.store(n ? queue_.front().queuedAt.time_since_epoch().count() : 0,
                          std::memory_order_relaxed);
  }

  void run() {
    std::int64_t lastTaskNs = -1;
    for (;;) {
      Item item;
      {
        std::unique_lock lock(mutex_);
        if (lastTaskNs >= 0) {
          // A moving mean over the last few tasks: quick to follow a change of load.
          meanNs_ = meanNs_ == 0 ? double(lastTaskNs) : meanNs_ + (double(lastTaskNs) - meanNs_) / 8;
          meanTaskNs_.store(static_cast<std::int64_t>(meanNs_), std::memory_order_relaxed);
          publish();
        }
        wake_.wait(lock, [&] { return closed_ || !queue_.empty(); });
        if (queue_.empty()) return;  // closed and drained
        item = std::move(queue_.front());
        queue_.pop_front();
        publish();
      }
      const auto start = Clock::now();
      item.task();
      completed_.fetch_add(1, std::memory_order_relaxed);
      lastTaskNs = std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - start).count();
    }
  }

  const unsigned threadCount_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<Item> queue_;
  bool closed_ = false;
  double meanNs_ = 0;  // under mutex_
  std::atomic<std::int64_t> queuedWorkNs_{0};
  std::atomic<std::int64_t> oldestQueuedNs_{0};  // steady clock, 0: nothing queued
  std::atomic<std::int64_t> meanTaskNs_{0};
  std::atomic<std::size_t> queued_{0};
  std::atomic<std::size_t> maxQueued_{0};
  std::atomic<std::uint64_t> completed_{0};
  std::vector<std::thread> threads_;
};

}  // namespace lexiton::server
