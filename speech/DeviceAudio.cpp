#include "speech/AudioOutput.h"
#include "speech/SoundServerOutput.h"

#include <pcaudiolib/audio.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// After the sound output could not be opened, the next attempt waits this long: opening a
// missing device costs time and fills the error output with the sound system's complaints.
constexpr auto kRetryAfter = std::chrono::seconds(10);

// The default ALSA device, through the audio library the synthesizer itself plays with, where
// no sound server runs. The device stays open between utterances, so a word starts without
// delay; an ALSA device that has played out stops by itself. Its buffer is short, so writing
// keeps pace with playing: a new word stops the synthesis of the last one within a piece, and
// flushing the device silences what was already handed over.
class DeviceAudio final : public AudioOutput {
public:
    DeviceAudio() : device_(create_audio_device_object(nullptr, "Lexado", "Word")) {}

    ~DeviceAudio() override {
        Close();
        if (device_ != nullptr) {
            audio_object_destroy(device_);
        }
    }

    void Begin(int sampleRate) override {
        if (device_ == nullptr || sampleRate == openRate_ || Clock::now() < retryAfter_) {
            return;
        }
        Close();
        if (audio_object_open(device_, AUDIO_OBJECT_FORMAT_S16LE, sampleRate, 1) == 0) {
            openRate_ = sampleRate;
        } else {
            retryAfter_ = Clock::now() + kRetryAfter;
        }
    }

    void Write(std::span<const short> samples) override {
        if (openRate_ == 0) {
            return;
        }
        // A device that fails is given up; a later utterance tries it afresh.
        if (audio_object_write(device_, samples.data(), samples.size_bytes()) != 0) {
            Close();
            retryAfter_ = Clock::now() + kRetryAfter;
        }
    }

    void End() override {}

    void Cut() override {
        if (openRate_ != 0) {
            audio_object_flush(device_);
        }
    }

private:
    void Close() {
        if (openRate_ != 0) {
            audio_object_close(device_);
            openRate_ = 0;
        }
    }

    audio_object* device_;
    int openRate_ = 0; // 0 while the stream is closed
    Clock::time_point retryAfter_;
};

} // namespace

std::shared_ptr<AudioOutput> DefaultSoundOutput() {
    if (std::shared_ptr<AudioOutput> server = ConnectSoundServer()) {
        return server;
    }
    return std::make_shared<DeviceAudio>();
}
