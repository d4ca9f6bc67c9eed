#pragma once

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

// Runs `work` on a thread of its own and waits at most `limit` for its result. When the work
// takes longer the caller goes on without it: the thread finishes on its own and drops its
// result there.
template <typename Work>
auto RunWithin(std::chrono::milliseconds limit, Work work) -> std::optional<decltype(work())> {
    using Result = decltype(work());
    struct Shared {
        std::mutex mutex;
        std::condition_variable done;
        std::optional<Result> result;
        bool finished = false;
        bool abandoned = false;
    };
    auto shared = std::make_shared<Shared>();
    std::thread([shared, work = std::move(work)]() mutable {
        Result result = work();
        std::lock_guard lock(shared->mutex);
        if (!shared->abandoned) {
            shared->result = std::move(result);
        }
        shared->finished = true;
        shared->done.notify_one();
    }).detach();

    std::unique_lock lock(shared->mutex);
    if (!shared->done.wait_for(lock, limit, [&] { return shared->finished; })) {
        shared->abandoned = true;
        return std::nullopt;
    }
    return std::move(shared->result);
}
