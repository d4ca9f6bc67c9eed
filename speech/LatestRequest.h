#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <utility>

// Hands requests from the caller's thread to one worker thread, keeping only the newest: a
// request not yet taken is replaced by the next one, so work never queues up.
template <typename Request> class LatestRequest {
public:
    // Returns at once.
    void Post(Request request) {
        {
            std::lock_guard lock(mutex_);
            pending_ = std::move(request);
            ++posted_;
        }
        wake_.notify_one();
    }

    // Wakes the worker for good: Take returns nothing from now on.
    void Close() {
        {
            std::lock_guard lock(mutex_);
            closed_ = true;
            ++posted_;
        }
        wake_.notify_one();
    }

    // The next request, waiting for one; nothing once closed.
    std::optional<Request> Take() {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [this] { return closed_ || pending_.has_value(); });
        if (closed_) {
            return std::nullopt;
        }
        taken_ = posted_.load();
        return std::exchange(pending_, std::nullopt);
    }

    // Whether a request came (or Close was called) after the last one taken: the worker's
    // cue to give up the work in hand. Safe to ask from the worker at any time.
    bool Superseded() const { return posted_.load() != taken_; }

private:
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Request> pending_;
    bool closed_ = false;
    std::atomic<std::uint64_t> posted_ = 0;
    std::uint64_t taken_ = 0; // touched by the worker only
};
