#include "library/TextFile.h"
#include "speech/EspeakBackend.h"
#include "speech/SpeechEngine.h"
#include "speech/SpeechdBackend.h"
#include "speech/VoiceList.h"
#include "speech/Voices.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QUuid kTestA("{A56915CA-373A-51C0-84B0-340134C8E7C8}"); // speechd:lexado-test:test-a
const QUuid kTestB("{274325D8-A191-5B33-814E-E5FAC5F11E04}"); // speechd:lexado-test:test-b

// A socket that accepts connections and never answers.
class MuteSocket {
public:
    explicit MuteSocket(const QString& path) : fd_(socket(AF_UNIX, SOCK_STREAM, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path);
        listening_ = bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                     listen(fd_, 4) == 0;
    }
    ~MuteSocket() { close(fd_); }

    bool listening() const { return listening_; }

private:
    int fd_;
    bool listening_ = false;
};

qsizetype EntriesIn(const char* folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size();
}

} // namespace

// The desktop's speech service, speech-dispatcher, run by the test on a socket of its own. Its
// one output module has two English voices and a German one; instead of sounding, a voice
// writes its name and what it was given to say into a file.
class TestSpeechService : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void serviceVoicesFollowTheBuiltInOnes();
    void aServiceVoiceSpeaksThroughTheService();
    void aServiceThatDoesNotAnswerOffersNothing_data();
    void aServiceThatDoesNotAnswerOffersNothing();
    void aServiceThatHangsHoldsOneAskerHoweverOftenAsked();

private:
    QString SocketPath() const { return dir_.filePath("speechd.sock"); }

    // What the service's voices have said, once `line` is among it or after waiting long.
    QString SpokenOnceSaid(const QString& line) const {
        const bool said =
            QTest::qWaitFor([&] { return Spoken().split('\n').contains(line); }, 10000);
        return said ? Spoken() : QString();
    }

    QString Spoken() const {
        QFile file(dir_.filePath("spoken.txt"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QTemporaryDir dir_;
    QProcess service_;
};

void TestSpeechService::initTestCase() {
    QVERIFY(dir_.isValid());
    QDir(dir_.path()).mkpath("config/modules");
    QVERIFY(ReplaceFileContents(dir_.filePath("config/speechd.conf"),
                                "AudioOutputMethod \"libao\"\n"
                                "AddModule \"lexado-test\" \"sd_generic\" \"lexado-test.conf\"\n"
                                "DefaultModule lexado-test\n"));
    QVERIFY(ReplaceFileContents(dir_.filePath("config/modules/lexado-test.conf"),
                                "GenericExecuteSynth \"echo \\'$VOICE\\' \\'$DATA\\' >> " +
                                    dir_.filePath("spoken.txt").toUtf8() +
                                    "\"\n"
                                    "AddVoice \"en\" \"MALE1\" \"test-a\"\n"
                                    "AddVoice \"en-GB\" \"FEMALE1\" \"test-b\"\n"
                                    "AddVoice \"de\" \"MALE1\" \"test-de\"\n"));
    QDir(dir_.path()).mkpath("log");
    service_.setStandardOutputFile(QProcess::nullDevice());
    service_.setStandardErrorFile(QProcess::nullDevice());
    service_.start("speech-dispatcher",
                   {"--run-single", "--timeout", "0", "--config-dir", dir_.filePath("config"),
                    "--communication-method", "unix_socket", "--socket-path", SocketPath(),
                    "--pid-file", dir_.filePath("speechd.pid"), "--log-dir", dir_.filePath("log")});
    QVERIFY2(service_.waitForStarted(), "speech-dispatcher is installed by install-deps.sh");
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(SocketPath()), 10000);
    qputenv("SPEECHD_ADDRESS", "unix_socket:" + SocketPath().toUtf8());
}

void TestSpeechService::cleanupTestCase() {
    service_.terminate();
    service_.waitForFinished();
}

void TestSpeechService::serviceVoicesFollowTheBuiltInOnes() {
    // English voices only. Each lookup gives the service its answer limit, so a busy machine
    // may need more than one try here and below.
    std::vector<VoiceInfo> service;
    QTRY_VERIFY_WITH_TIMEOUT(!(service = SpeechdBackend().Voices()).empty(), 10000);
    QCOMPARE(service.size(), 2u);
    QCOMPARE(service[0].displayName, QString("test-a (lexado-test)"));
    QCOMPARE(service[0].id, kTestA);
    QCOMPARE(service[1].displayName, QString("test-b (lexado-test)"));
    QCOMPARE(service[1].id, kTestB);
    QVERIFY(service[0].anyWord && service[1].anyWord);

    const std::vector<VoiceInfo> builtIn = EspeakBackend().Voices();
    std::vector<VoiceInfo> all;
    QTRY_COMPARE_WITH_TIMEOUT((all = InstalledVoices()).size(), builtIn.size() + 2, 10000);
    QCOMPARE(all[builtIn.size() - 1].id, builtIn.back().id);
    QCOMPARE(all[builtIn.size() + 1].id, kTestB);
}

void TestSpeechService::aServiceVoiceSpeaksThroughTheService() {
    std::unique_ptr<SpeechEngine> slot;
    QTRY_VERIFY_WITH_TIMEOUT(StartSpeechEngine(slot, kTestB), 10000);
    QCOMPARE(slot->Speak("hello"), SpeechStatus::Ok);
    QCOMPARE(SpokenOnceSaid("test-b hello"), QString("test-b hello\n"));
    slot->Speak("world");
    QCOMPARE(SpokenOnceSaid("test-b world"), QString("test-b hello\ntest-b world\n"));

    // The speech page's test with the entry of the other service voice.
    std::optional<VoiceList> list;
    int testA = -1;
    QTRY_VERIFY_WITH_TIMEOUT(
        (testA = int(list.emplace().EntryTexts().indexOf("test-a (lexado-test)"))) > 0, 10000);
    QCOMPARE(list->IdAt(testA), kTestA);
    list->SpeakTestPhrase(testA);
    QCOMPARE(SpokenOnceSaid("test-a Lexado"),
             QString("test-b hello\ntest-b world\ntest-a Lexado\n"));
}

void TestSpeechService::aServiceThatDoesNotAnswerOffersNothing_data() {
    QTest::addColumn<bool>("listening");
    QTest::newRow("absent") << false;
    QTest::newRow("silent") << true;
}

void TestSpeechService::aServiceThatDoesNotAnswerOffersNothing() {
    QFETCH(bool, listening);
    const QString path = dir_.filePath(listening ? "mute.sock" : "absent.sock");
    std::optional<MuteSocket> mute;
    if (listening) {
        QVERIFY(mute.emplace(path).listening());
    }
    qputenv("SPEECHD_ADDRESS", "unix_socket:" + path.toUtf8());

    QElapsedTimer waited;
    waited.start();
    QVERIFY(SpeechdBackend().Voices().empty());
    QVERIFY(waited.elapsed() < 1000);
    waited.restart();
    std::unique_ptr<SpeechEngine> slot;
    QVERIFY(!StartSpeechEngine(slot, kTestA));
    QVERIFY(waited.elapsed() < 1000);
    // The built-in voices are there all the same.
    QCOMPARE(InstalledVoices().size(), EspeakBackend().Voices().size());

    qputenv("SPEECHD_ADDRESS", "unix_socket:" + SocketPath().toUtf8());
}

// The settings sheet asks for the voices each time it opens, and tries its voice.
void TestSpeechService::aServiceThatHangsHoldsOneAskerHoweverOftenAsked() {
    const QString path = dir_.filePath("hung.sock");
    const MuteSocket mute(path);
    QVERIFY(mute.listening());
    qputenv("SPEECHD_ADDRESS", "unix_socket:" + path.toUtf8());
    QList<qsizetype> threads;
    QList<qsizetype> descriptors;
    for (int asked = 0; asked < 5; ++asked) {
        QVERIFY(SpeechdBackend().Voices().empty());
        std::unique_ptr<SpeechEngine> slot;
        QVERIFY(!StartSpeechEngine(slot, kTestA));
        threads.append(EntriesIn("/proc/self/task"));
        descriptors.append(EntriesIn("/proc/self/fd"));
    }
    QCOMPARE(threads, QList<qsizetype>(5, threads.first()));
    QCOMPARE(descriptors, QList<qsizetype>(5, descriptors.first()));
    qputenv("SPEECHD_ADDRESS", "unix_socket:" + SocketPath().toUtf8());
}

QTEST_GUILESS_MAIN(TestSpeechService)
#include "tst_speechservice.moc"
