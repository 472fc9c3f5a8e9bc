#pragma once

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace vyr {

/// A few threads kept for the whole process that share out the chunks of one loop at a time
/// with the thread that runs it. Which thread runs a chunk is left to chance; a loop whose
/// chunks write only their own results therefore gives the same result on any number of
/// threads.
class WorkerPool {
  public:
    /// The process's pool: as many threads as the machine has cores (the caller included),
    /// started at the first loop that needs them.
    static WorkerPool& shared();

    /// `threads` counts the calling thread: 1 runs every loop on the caller alone.
    explicit WorkerPool(unsigned threads);
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    /// Threads a loop may use, the caller included (at least 1).
    unsigned threads() const { return threads_; }
    /// Changes that number; waits for a loop in progress.
    void setThreads(unsigned threads);

    /// Calls body(begin, end) for consecutive ranges of at most `grain` indices covering
    /// [0, count) and returns when all have run. Ranges run on the pool's threads and the
    /// caller at once. A loop started from inside a body, or while another thread's loop
    /// runs, waits or runs on its own thread; `body` must not throw.
    void forEach(size_t count, size_t grain, const std::function<void(size_t, size_t)>& body);

  private:
    void start();
    void stop();
    void work(unsigned index);
    // Claims and runs ranges of the current loop until none is left.
    void runRanges();

    unsigned threads_;
    std::mutex loopMutex_;  // one loop at a time
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable finished_;
    std::vector<std::jthread> workers_;
    // The current loop, guarded by mutex_ except for the claimed position.
    const std::function<void(size_t, size_t)>* body_ = nullptr;
    size_t count_ = 0;
    size_t grain_ = 1;
    size_t next_ = 0;
    unsigned generation_ = 0;
    unsigned running_ = 0;
    bool stopping_ = false;
};

}  // namespace vyr
