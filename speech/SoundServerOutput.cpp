#include "speech/SoundServerOutput.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <chrono>
#include <utility>

namespace {

using Clock = std::chrono::steady_clock;

// After the server was lost, the next attempt to reach it waits this long.
constexpr auto kRetryAfter = std::chrono::seconds(10);

// What the server holds ahead of playing: long enough that it asks for more only a few times
// a second, short enough that writing keeps pace with playing, so that a new word stops the
// synthesis of the last one early; flushing silences what was handed over at once.
constexpr pa_usec_t kBufferUs = 250'000;

// The callbacks of the context and the stream only wake the thread waiting on the main loop.
void WakeOnContext(pa_context* /*context*/, void* loop) {
    pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0);
}
void WakeOnStream(pa_stream* /*stream*/, void* loop) {
    pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0);
}
void WakeOnRequest(pa_stream* /*stream*/, std::size_t /*bytes*/, void* loop) {
    pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0);
}

// The main loop's lock, held for a scope: the loop's thread runs the callbacks, the
// synthesizer's thread makes every call, and both touch the context and the stream.
class LoopLock {
public:
    explicit LoopLock(pa_threaded_mainloop* loop) : loop_(loop) {
        pa_threaded_mainloop_lock(loop_);
    }
    ~LoopLock() { pa_threaded_mainloop_unlock(loop_); }
    LoopLock(const LoopLock&) = delete;
    LoopLock& operator=(const LoopLock&) = delete;

private:
    pa_threaded_mainloop* loop_;
};

class SoundServerOutput final : public AudioOutput {
public:
    SoundServerOutput() : loop_(pa_threaded_mainloop_new()) {
        if (loop_ != nullptr && pa_threaded_mainloop_start(loop_) == 0) {
            LoopLock lock(loop_);
            Reach();
        }
    }

    ~SoundServerOutput() override {
        if (loop_ == nullptr) {
            return;
        }
        pa_threaded_mainloop_stop(loop_);
        DropStream();
        DropContext();
        pa_threaded_mainloop_free(loop_);
    }

    SoundServerOutput(const SoundServerOutput&) = delete;
    SoundServerOutput& operator=(const SoundServerOutput&) = delete;

    bool Connected() {
        if (loop_ == nullptr) {
            return false;
        }
        LoopLock lock(loop_);
        return ContextReady();
    }

    void Begin(int sampleRate) override {
        LoopLock lock(loop_);
        ForgetDrain();
        StreamFor(sampleRate);
    }

    // Returns once the server has taken every sample: it asks for more as it plays.
    void Write(std::span<const short> samples) override {
        LoopLock lock(loop_);
        const auto* data = reinterpret_cast<const char*>(samples.data());
        std::size_t left = samples.size_bytes();
        while (left > 0 && StreamReady()) {
            const std::size_t room = pa_stream_writable_size(stream_);
            if (room == 0) {
                pa_threaded_mainloop_wait(loop_);
                continue;
            }
            const std::size_t bytes = std::min(room, left);
            if (pa_stream_write(stream_, data, bytes, nullptr, 0, PA_SEEK_RELATIVE) != 0) {
                return;
            }
            data += bytes;
            left -= bytes;
        }
    }

    // Plays out what is buffered, however short, and closes the stream after it.
    void End() override {
        LoopLock lock(loop_);
        ForgetDrain();
        if (StreamReady()) {
            drain_ = pa_stream_drain(stream_, CloseWhenDrained, this);
        }
    }

    void Cut() override {
        LoopLock lock(loop_);
        ForgetDrain();
        if (StreamReady()) {
            pa_operation_unref(pa_stream_flush(stream_, nullptr, nullptr));
        }
    }

private:
    static void CloseWhenDrained(pa_stream* /*stream*/, int /*success*/, void* output) {
        auto* self = static_cast<SoundServerOutput*>(output);
        pa_operation_unref(std::exchange(self->drain_, nullptr)); // over: nothing to cancel
        self->DropStream();
    }

    // Connects unless connected; a failure is not tried again for a while.
    bool Reach() {
        if (ContextReady()) {
            return true;
        }
        if (Clock::now() < retryAfter_) {
            return false;
        }
        DropStream();
        DropContext();
        context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "Lexado");
        if (context_ != nullptr) {
            pa_context_set_state_callback(context_, WakeOnContext, loop_);
            // A desktop runs its sound server; starting one is not the program's business.
            if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) == 0) {
                while (PA_CONTEXT_IS_GOOD(pa_context_get_state(context_)) && !ContextReady()) {
                    pa_threaded_mainloop_wait(loop_);
                }
            }
        }
        if (!ContextReady()) {
            retryAfter_ = Clock::now() + kRetryAfter;
        }
        return ContextReady();
    }

    // A ready stream at the rate, opened when there was none: opening one on a connection
    // takes one exchange with the server.
    bool StreamFor(int sampleRate) {
        if (stream_ != nullptr && (!StreamReady() || streamRate_ != sampleRate)) {
            DropStream();
        }
        if (stream_ != nullptr || !Reach()) {
            return stream_ != nullptr;
        }
        const pa_sample_spec format{PA_SAMPLE_S16LE, static_cast<std::uint32_t>(sampleRate), 1};
        stream_ = pa_stream_new(context_, "Word", &format, nullptr);
        if (stream_ == nullptr) {
            return false;
        }
        streamRate_ = sampleRate;
        pa_stream_set_state_callback(stream_, WakeOnStream, loop_);
        pa_stream_set_write_callback(stream_, WakeOnRequest, loop_);
        const auto unset = static_cast<std::uint32_t>(-1);
        const pa_buffer_attr buffer{
            unset, static_cast<std::uint32_t>(pa_usec_to_bytes(kBufferUs, &format)), unset, unset,
            unset};
        if (pa_stream_connect_playback(stream_, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr,
                                       nullptr) == 0) {
            while (PA_STREAM_IS_GOOD(pa_stream_get_state(stream_)) && !StreamReady()) {
                pa_threaded_mainloop_wait(loop_);
            }
        }
        if (!StreamReady()) {
            DropStream();
        }
        return stream_ != nullptr;
    }

    bool ContextReady() const {
        return context_ != nullptr && pa_context_get_state(context_) == PA_CONTEXT_READY;
    }

    bool StreamReady() const {
        return stream_ != nullptr && pa_stream_get_state(stream_) == PA_STREAM_READY;
    }

    // A drain still running would close the stream in the middle of what comes next.
    void ForgetDrain() {
        if (drain_ == nullptr) {
            return;
        }
        if (pa_operation_get_state(drain_) == PA_OPERATION_RUNNING) {
            pa_operation_cancel(drain_);
        }
        pa_operation_unref(drain_);
        drain_ = nullptr;
    }

    void DropStream() {
        ForgetDrain();
        if (stream_ != nullptr) {
            pa_stream_set_state_callback(stream_, nullptr, nullptr);
            pa_stream_set_write_callback(stream_, nullptr, nullptr);
            pa_stream_disconnect(stream_);
            pa_stream_unref(stream_);
            stream_ = nullptr;
        }
    }

    void DropContext() {
        if (context_ != nullptr) {
            pa_context_set_state_callback(context_, nullptr, nullptr);
            pa_context_disconnect(context_);
            pa_context_unref(context_);
            context_ = nullptr;
        }
    }

    pa_threaded_mainloop* loop_;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    int streamRate_ = 0;
    pa_operation* drain_ = nullptr; // the last utterance's, while it may still run
    Clock::time_point retryAfter_;
};

} // namespace

std::shared_ptr<AudioOutput> ConnectSoundServer() {
    auto output = std::make_shared<SoundServerOutput>();
    return output->Connected() ? output : nullptr;
}
