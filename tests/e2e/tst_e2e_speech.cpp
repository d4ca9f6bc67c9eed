// Speech in the real program in a real X server: with speech on, read again is offered in the
// context menu and leaves the recitation going; with a sound server of the test's own, the
// words are heard where the desktop would play them. With speech off the program leaves the
// sound server alone.

#include "tests/e2e/E2eSupport.h"
#include "tests/support/HeardSpeech.h"
#include "tests/support/SoundServer.h"

#include "library/TextFile.h"
#include "recitation/SettingsRecord.h"

#include <QtTest>

#include <algorithm>
#include <memory>
#include <optional>

namespace {

constexpr int kReadAgainRow = 1;
// A drawn menu leaves more bands than this in the right half of its rows: the shortcuts, the
// separators and the longer labels.
constexpr int kBandsOfADrawnMenu = 12;

// A library of one word, so that whatever entry is on show, the word is "tomato"; long enough
// that the cursor never comes round in a test.
QByteArray Library() {
    QByteArray lines;
    for (int i = 0; i < 100; ++i) {
        lines += "tomato#番茄 " + QByteArray::number(i) + "\r\n";
    }
    return lines;
}

SettingsRecord Speaking(int wordTimeMs) {
    SettingsRecord record = DefaultSettings(96, QRect(100, 100, 200, 60));
    SetNameField(record.libraryFile, "words.dat");
    SetNameField(record.libraryName, "Words");
    record.grouping = false;
    record.wordTimeMs = wordTimeMs;
    return record;
}

// The rows of the menu's picture: runs of lines in `area` that hold any pixel other than the
// menu's ground, which is the commonest colour there. Each row's text makes one band, grey or
// not; the padding of the rows lies between them.
QList<QRect> TextBands(const QImage& image, const QRect& area) {
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    const QRgb ground =
        std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](auto a, auto b) {
            return a.second < b.second;
        })->first;
    QList<QRect> bands;
    int top = -1;
    for (int y = area.top(); y <= area.bottom() + 1; ++y) {
        bool inked = false;
        for (int x = area.left(); x <= area.right() && y <= area.bottom() && !inked; ++x) {
            inked = image.pixel(x, y) != ground;
        }
        if (inked && top < 0) {
            top = y;
        } else if (!inked && top >= 0) {
            bands.append(QRect(area.left(), top, area.width(), y - top));
            top = -1;
        }
    }
    return bands;
}

// Pixels of text in the menu's text colour: an enabled row's text is dark, a grey row's is
// drawn in grey with a light emboss.
int DarkPixels(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += qGray(image.pixel(x, y)) < 80 ? 1 : 0;
        }
    }
    return count;
}

// Loud enough to be a word, not the noise of resampling.
constexpr int kWordPeak = 3000;

} // namespace

class TestE2eSpeech : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folders_ = std::make_unique<E2eFolders>();
        QVERIFY(folders_->WriteWordsLibrary(Library()));
        MovePointerTo(kParking);
    }

    // The context menu offers read again; pressing Ctrl+R again and again neither shows
    // another entry nor holds the word timer: the entries shown by the time the menu opens are
    // those of the time that has passed.
    void readAgainIsOfferedAndLeavesTheRecitationGoing() {
        constexpr int kWordTimeMs = 1000;
        QVERIFY(ReplaceFileContents(folders_->homeFile("Lexado.ini"),
                                    RecordBytes(Speaking(kWordTimeMs))));
        Lexado lexado(folders_->home(), folders_->runtime());
        QVERIFY(!lexado.WaitForWindow().isEmpty());
        const qint64 shown = lexado.RunTime();
        for (int i = 0; i < 6; ++i) {
            lexado.Press(QStringLiteral("ctrl+r"));
            QTest::qWait(400);
        }
        QVERIFY(lexado.IsRunning());

        const qint64 menuAsked = lexado.RunTime();
        const std::optional<QRect> menu = OpenMenu(lexado);
        QVERIFY(menu);
        const qint64 menuOpen = lexado.RunTime();
        // The right half of the rows: "Ctrl+P" in the first row, "Ctrl+R" in the second.
        const QRect shortcuts(menu->center().x(), menu->top() + 3, menu->width() / 2 - 16,
                              menu->height() - 6);
        QImage shot;
        QList<QRect> rows;
        QVERIFY(PollUntil([&] {
            shot = Screenshot(folders_->homeFile("menu.png"));
            rows = TextBands(shot, shortcuts);
            return rows.size() >= kBandsOfADrawnMenu;
        }));
        QVERIFY2(DarkPixels(shot, rows[kReadAgainRow]) >= 20,
                 qPrintable(QString::number(DarkPixels(shot, rows[kReadAgainRow]))));

        Xdotool({"key", "x"});
        QCOMPARE(lexado.WaitForEnd(), 0);
        const SettingsRecord saved =
            RecordFromBytes(folders_->ReadFile("Lexado.ini"), SettingsRecord{});
        // One entry at start-up and one at each expiry of the word timer, which started before
        // the window was shown and stopped when the menu opened; the cursor counts them. A
        // timer may fire a little early, or late on a busy machine.
        const qint64 fewest = (menuAsked - shown) / kWordTimeMs;
        const qint64 most = menuOpen / kWordTimeMs + 2;
        QVERIFY2(saved.position >= fewest && saved.position <= most,
                 qPrintable(QStringLiteral("%1 entries shown, not %2 to %3")
                                .arg(saved.position)
                                .arg(fewest)
                                .arg(most)));
    }

    // The first word is heard as the program starts; while paused nothing is, and read again
    // is heard once more.
    void wordsAreHeard() {
        SoundServer sound(folders_->runtime());
        if (!sound.Started()) {
            QSKIP("PulseAudio cannot be started here");
        }
        QVERIFY(ReplaceFileContents(folders_->homeFile("Lexado.ini"), RecordBytes(Speaking(3000))));
        Lexado lexado(folders_->home(), folders_->runtime());
        QVERIFY(!lexado.WaitForWindow().isEmpty());
        QVERIFY(PollUntil([&] { return Peak(sound.Recorded(), 0) >= kWordPeak; }));

        lexado.Press(QStringLiteral("ctrl+p"));
        QTest::qWait(1500); // the word on show has ended
        const std::size_t paused = sound.Recorded().size();
        QTest::qWait(1000);
        QVERIFY(sound.Recorded().size() > paused + SoundServer::kSampleRate / 2);
        QVERIFY(Peak(sound.Recorded(), paused) < kWordPeak);

        lexado.Press(QStringLiteral("ctrl+r"));
        QVERIFY(PollUntil([&] { return Peak(sound.Recorded(), paused) >= kWordPeak; }));
        QCOMPARE(lexado.Exit(), 0);
    }

    // Every client of the sound server makes a folder in the user's runtime folder as it tries
    // to connect, whether a server runs or not.
    void speechOffLeavesTheSoundServerAlone() {
        SettingsRecord record = Speaking(3000);
        record.speechOn = false;
        QVERIFY(ReplaceFileContents(folders_->homeFile("Lexado.ini"), RecordBytes(record)));
        Lexado lexado(folders_->home(), folders_->runtime());
        QVERIFY(!lexado.WaitForWindow().isEmpty());
        QCOMPARE(lexado.Exit(), 0);
        QVERIFY(!QDir(folders_->runtime()).exists(QStringLiteral("pulse")));
    }

private:
    // A right click in the middle of the window, the pointer coming from elsewhere (a window
    // mapped under a pointer that has not moved since gets no button events); the place on the
    // screen of the menu that opens at the pointer, once it is there.
    std::optional<QRect> OpenMenu(Lexado& lexado) {
        const QPoint at = WindowGeometry(lexado.window()).center();
        MovePointerTo(at);
        Xdotool({"click", "3"});
        QRect menu;
        const bool opened = PollUntil([&] {
            for (const QString& window : lexado.OtherWindows()) {
                menu = WindowGeometry(window);
                if (menu.topLeft() == at) {
                    return true;
                }
            }
            return false;
        });
        return opened ? std::optional(menu) : std::nullopt;
    }

    std::unique_ptr<E2eFolders> folders_;
};

QTEST_GUILESS_MAIN(TestE2eSpeech)
#include "tst_e2e_speech.moc"
