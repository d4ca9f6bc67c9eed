#include "speech/SpeechdBackend.h"

#include "speech/LatestRequest.h"
#include "speech/SingleWorker.h"
#include "speech/VoiceId.h"

#include <libspeechd.h>

#include <QByteArray>

#include <csignal>
#include <cstdlib>
#include <pthread.h>
#include <sys/socket.h>
#include <thread>

namespace {

struct CloseConnection {
    void operator()(SPDConnection* connection) const { spd_close(connection); }
};
using Connection = std::unique_ptr<SPDConnection, CloseConnection>;

struct ServiceVoice {
    QByteArray module;
    QByteArray name;
};

// The client library writes to the service's socket; a service that went away must give the
// writer an error, not end the program with SIGPIPE. Called first on every thread that talks
// to the service.
void IgnoreBrokenPipeOnThisThread() {
    sigset_t brokenPipe;
    sigemptyset(&brokenPipe);
    sigaddset(&brokenPipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &brokenPipe, nullptr);
}

// A connection at the service's usual address (SPEECHD_ADDRESS, else the user's runtime
// folder), starting the service there when it is installed and not running.
Connection Connect() {
    char* error = nullptr;
    SPDConnectionAddress* address = spd_get_default_address(&error);
    std::free(error);
    error = nullptr;
    if (address == nullptr) {
        return nullptr;
    }
    Connection connection(
        spd_open2("lexado", "word", nullptr, SPD_MODE_SINGLE, address, 1, &error));
    std::free(error);
    SPDConnectionAddress__free(address);
    return connection;
}

bool IsEnglish(QByteArrayView language) {
    const QByteArray code = language.toByteArray().toLower();
    return code == "en" || code.startsWith("en-") || code.startsWith("en_");
}

// Modules that only offer the built-in synthesizer's voices once more.
bool RepeatsBuiltInVoices(QByteArrayView module) {
    return module.startsWith("espeak") || module == "dummy";
}

// Frees a NULL-terminated list that the speech service's client library handed over.
template <typename Item, typename Free> struct ListGuard {
    Item** items;
    Free free;
    ~ListGuard() {
        if (items != nullptr) {
            free(items);
        }
    }
};
// Aggregates deduce their template arguments only from C++20 compilers that implement it
// (gcc does, clang 14 does not): the guide says it for all.
template <typename Item, typename Free> ListGuard(Item**, Free) -> ListGuard<Item, Free>;

std::vector<ServiceVoice> EnglishVoices(SPDConnection* connection) {
    std::vector<ServiceVoice> voices;
    const ListGuard modules{spd_list_modules(connection), free_spd_modules};
    for (char** module = modules.items; module != nullptr && *module != nullptr; ++module) {
        if (RepeatsBuiltInVoices(*module) || spd_set_output_module(connection, *module) != 0) {
            continue;
        }
        const ListGuard list{spd_list_synthesis_voices(connection), free_spd_voices};
        for (SPDVoice** voice = list.items; voice != nullptr && *voice != nullptr; ++voice) {
            if ((*voice)->name != nullptr && (*voice)->language != nullptr &&
                IsEnglish((*voice)->language)) {
                voices.push_back({*module, (*voice)->name});
            }
        }
    }
    return voices;
}

QUuid IdOf(const ServiceVoice& voice) {
    return VoiceId(QStringLiteral("speechd:") + QString::fromUtf8(voice.module) + u':' +
                   QString::fromUtf8(voice.name));
}

// Speaks through one connection of its own, from a thread of its own, since every request to
// the service waits for its answer.
class SpeechdVoice final : public SpeakingVoice {
public:
    explicit SpeechdVoice(Connection connection)
        : connection_(std::move(connection)), worker_([this] { Run(); }) {}

    ~SpeechdVoice() override {
        requests_.Close();
        // Wakes a worker still waiting for the service's answer.
        shutdown(connection_->socket, SHUT_RDWR);
        worker_.join();
    }

    void Speak(const QString& text) override { requests_.Post(text.toUtf8()); }

private:
    void Run() {
        IgnoreBrokenPipeOnThisThread();
        while (const std::optional<QByteArray> text = requests_.Take()) {
            spd_cancel(connection_.get());
            spd_say(connection_.get(), SPD_TEXT, text->constData());
        }
    }

    Connection connection_;
    LatestRequest<QByteArray> requests_;
    std::thread worker_;
};

// What the service is asked for: its English voices (the null id), or a connection speaking
// with the voice of an id.
struct ServiceAnswer {
    std::vector<ServiceVoice> voices;
    Connection connection;
};

SingleWorker<QUuid, ServiceAnswer>& Service() {
    static SingleWorker<QUuid, ServiceAnswer> service;
    return service;
}

} // namespace

std::vector<VoiceInfo> SpeechdBackend::Voices() {
    const std::optional<ServiceAnswer> answer = Service().Ask(QUuid(), kAnswerLimit, [] {
        IgnoreBrokenPipeOnThisThread();
        const Connection connection = Connect();
        return ServiceAnswer{
            connection ? EnglishVoices(connection.get()) : std::vector<ServiceVoice>(), nullptr};
    });
    std::vector<VoiceInfo> result;
    for (const ServiceVoice& voice : answer ? answer->voices : std::vector<ServiceVoice>()) {
        result.push_back({QString::fromUtf8(voice.name) + QStringLiteral(" (") +
                              QString::fromUtf8(voice.module) + u')',
                          IdOf(voice), true});
    }
    return result;
}

std::unique_ptr<SpeakingVoice> SpeechdBackend::Open(const QUuid& id) {
    std::optional<ServiceAnswer> answer = Service().Ask(id, kAnswerLimit, [id] {
        IgnoreBrokenPipeOnThisThread();
        Connection connection = Connect();
        if (connection == nullptr) {
            return ServiceAnswer();
        }
        for (const ServiceVoice& voice : EnglishVoices(connection.get())) {
            if (IdOf(voice) == id &&
                spd_set_output_module(connection.get(), voice.module.constData()) == 0 &&
                spd_set_synthesis_voice(connection.get(), voice.name.constData()) == 0) {
                return ServiceAnswer{{}, std::move(connection)};
            }
        }
        return ServiceAnswer();
    });
    if (!answer || answer->connection == nullptr) {
        return nullptr;
    }
    return std::make_unique<SpeechdVoice>(std::move(answer->connection));
}
