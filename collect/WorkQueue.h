// Hands work from one thread to another in the order it was given. The queue holds at most its capacity:
// Push waits while it is full, Pop while it is empty. Abort ends every wait for good, so that the owner can
// stop a worker however far it has come. Done marks an item popped earlier as finished; WaitIdle waits until
// every item pushed has been popped and finished.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>
#include <utility>

template <typename Item>
class WorkQueue {
public:
    explicit WorkQueue(std::size_t capacity) : capacity_(capacity) {}
    WorkQueue(const WorkQueue&) = delete;
    WorkQueue& operator=(const WorkQueue&) = delete;

    // False when the queue was aborted, before or while waiting for room; the item is then dropped.
    bool Push(Item item) {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [this] { return aborted_ || items_.size() < capacity_; });
        if (aborted_) return false;
        items_.push_back(std::move(item));
        ++unfinished_;
        lock.unlock();
        changed_.notify_all();
        return true;
    }

    // The oldest item; nothing once the queue is aborted, even when items are left in it.
    std::optional<Item> Pop() {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [this] { return aborted_ || !items_.empty(); });
        if (aborted_) return std::nullopt;
        std::optional<Item> item(std::move(items_.front()));
        items_.pop_front();
        lock.unlock();
        changed_.notify_all();
        return item;
    }

    // One popped item is finished. What the worker wrote before this call is seen by the thread that
    // returns from WaitIdle after it.
    void Done() {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            --unfinished_;
        }
        changed_.notify_all();
    }

    // Returns once every item pushed so far is finished, or the queue is aborted.
    void WaitIdle() {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [this] { return aborted_ || unfinished_ == 0; });
    }

    void Abort() {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            aborted_ = true;
        }
        changed_.notify_all();
    }

private:
    const std::size_t capacity_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Item> items_;
    std::size_t unfinished_ = 0;  // pushed and not yet marked done
    bool aborted_ = false;
};
