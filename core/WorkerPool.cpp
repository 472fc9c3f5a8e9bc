#include "core/WorkerPool.h"

#include <algorithm>

namespace vyr {

namespace {

// Set on a thread while it runs a body: a loop started from there runs on that thread.
thread_local bool insideLoop = false;

}  // namespace

WorkerPool& WorkerPool::shared() {
    static WorkerPool pool(std::max(1u, std::thread::hardware_concurrency()));
    return pool;
}

WorkerPool::WorkerPool(unsigned threads) : threads_(std::max(1u, threads)) {}

WorkerPool::~WorkerPool() {
    stop();
}

void WorkerPool::setThreads(unsigned threads) {
    const std::lock_guard loop(loopMutex_);
    stop();
    threads_ = std::max(1u, threads);
}

void WorkerPool::start() {
    stopping_ = false;
    for (unsigned k = 1; k < threads_; ++k)
        workers_.emplace_back([this, k] { work(k); });
}

void WorkerPool::stop() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    workers_.clear();  // joins
}

void WorkerPool::work(unsigned) {
    unsigned seen = 0;
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [&] { return stopping_ || generation_ != seen; });
        if (stopping_)
            return;
        seen = generation_;
        ++running_;
        lock.unlock();
        runRanges();
        lock.lock();
        if (--running_ == 0)
            finished_.notify_all();
    }
}

void WorkerPool::runRanges() {
    insideLoop = true;
    for (;;) {
        size_t begin;
        {
            const std::lock_guard lock(mutex_);
            begin = next_;
            if (begin >= count_)
                break;
            next_ = std::min(count_, begin + grain_);
        }
        (*body_)(begin, std::min(count_, begin + grain_));
    }
    insideLoop = false;
}

void WorkerPool::forEach(size_t count, size_t grain,
                         const std::function<void(size_t, size_t)>& body) {
    grain = std::max<size_t>(1, grain);
    if (count == 0)
        return;
    if (insideLoop || threads_ == 1 || count <= grain) {
        for (size_t begin = 0; begin < count; begin += grain)
            body(begin, std::min(count, begin + grain));
        return;
    }
    const std::lock_guard loop(loopMutex_);
    if (workers_.empty())
        start();
    {
        const std::lock_guard lock(mutex_);
        body_ = &body;
        count_ = count;
        grain_ = grain;
        next_ = 0;
        ++generation_;
    }
    wake_.notify_all();
    runRanges();
    // Every range is claimed; wait for the workers still running one. A worker that wakes
    // only now finds nothing left and does not touch the body.
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [&] { return running_ == 0; });
    body_ = nullptr;
    count_ = 0;
}

}  // namespace vyr
