#pragma once

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

// Asks questions on a thread of its own, one at a time, and waits at most a limit for each
// answer. Work that takes longer is given up by the asker but not ended (a thread blocked on a
// socket cannot be woken from outside): its thread finishes on its own, and until it has, no
// other work starts. A later question waits, within its own limit, for that work first: the
// same question takes its answer instead of asking again, even when the answer came in after
// the asker had gone; another question is asked once it has finished. So work that hangs holds
// one thread and what it opened, however often it is asked again.
template <typename Question, typename Answer> class SingleWorker {
public:
    // The answer to the question, by `work` on the worker's thread; nothing when there is none
    // within `limit`.
    template <typename Work>
    std::optional<Answer> Ask(const Question& question, std::chrono::milliseconds limit,
                              Work work) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        std::unique_lock lock(shared_->mutex);
        const auto finished = [this] { return !shared_->busy; };
        if (!shared_->busy || shared_->question != question) {
            if (!shared_->done.wait_until(lock, deadline, finished)) {
                return std::nullopt;
            }
            if (!shared_->answer || shared_->question != question) {
                Start(question, std::move(work));
            }
        }
        if (!shared_->done.wait_until(lock, deadline, finished) || shared_->question != question) {
            return std::nullopt;
        }
        return std::exchange(shared_->answer, std::nullopt);
    }

private:
    struct Shared {
        std::mutex mutex;
        std::condition_variable done;
        bool busy = false;
        Question question;            // of the work in hand or the answer kept
        std::optional<Answer> answer; // of the last work, until it is taken
    };

    // Called with the mutex held. The thread keeps the state alive, past the worker if need be.
    template <typename Work> void Start(const Question& question, Work work) {
        shared_->busy = true;
        shared_->question = question;
        shared_->answer.reset();
        std::thread([shared = shared_, work = std::move(work)]() mutable {
            Answer answer = work();
            std::lock_guard lock(shared->mutex);
            shared->answer = std::move(answer);
            shared->busy = false;
            shared->done.notify_all();
        }).detach();
    }

    std::shared_ptr<Shared> shared_ = std::make_shared<Shared>();
};
