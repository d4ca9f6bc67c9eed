#include "speech/AudioOutput.h"

#include <pcaudiolib/audio.h>

namespace {

// The default sound output through the audio library the synthesizer itself plays with: the
// desktop's sound server where one runs, otherwise the default ALSA device. The stream stays
// open between utterances, so a word starts without delay, and it is flushed to cut a word off.
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
        if (device_ == nullptr || sampleRate == openRate_) {
            return;
        }
        Close();
        if (audio_object_open(device_, AUDIO_OBJECT_FORMAT_S16LE, sampleRate, 1) == 0) {
            openRate_ = sampleRate;
        }
    }

    void Write(std::span<const short> samples) override {
        if (openRate_ == 0) {
            return;
        }
        // A device that fails is given up; the next utterance tries it afresh.
        if (audio_object_write(device_, samples.data(), samples.size_bytes()) != 0) {
            Close();
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
};

} // namespace

std::shared_ptr<AudioOutput> DefaultSoundOutput() {
    return std::make_shared<DeviceAudio>();
}
