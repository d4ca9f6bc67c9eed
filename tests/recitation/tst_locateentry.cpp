#include "recitation/LocateEntry.h"
#include "recitation/RecitationEngine.h"

#include <QtTest>

namespace {

struct Rig {
    Rig(int entries, bool grouping) {
        settings.grouping = grouping;
        settings.repeatCount = 2;
        for (int i = 0; i < entries; ++i) {
            words.append(QByteArray("w") + QByteArray::number(i) + "#m");
        }
    }

    SettingsRecord settings = DefaultSettings(96, {});
    WordList words;
    RecitationState state;
    RecitationEngine engine{settings, words, state};
};

} // namespace

class TestLocateEntry : public QObject {
    Q_OBJECT

private slots:
    void groupedCursorPointsAtTheEntry() {
        Rig rig(200, true);
        LocateEntry(120, rig.words, rig.settings, rig.state);
        QCOMPARE(rig.state.currentIndex, 120);
        QCOMPARE(rig.state.currentLine, QByteArray("w120#m"));
        QCOMPARE(rig.settings.groupNumber, 3);
        QCOMPARE(rig.settings.position, 20);
        QCOMPARE(rig.settings.repeatCount, 2); // the passes are kept
        // In order, browsing goes on from the entry found: it comes again, then the next.
        rig.engine.NextEntry();
        QCOMPARE(rig.state.currentIndex, 120);
        rig.engine.NextEntry();
        QCOMPARE(rig.state.currentIndex, 121);

        LocateEntry(49, rig.words, rig.settings, rig.state);
        QCOMPARE(rig.settings.groupNumber, 1);
        QCOMPARE(rig.settings.position, 49);
        LocateEntry(50, rig.words, rig.settings, rig.state);
        QCOMPARE(rig.settings.groupNumber, 2);
        QCOMPARE(rig.settings.position, 0);
    }

    void ungroupedPositionIsTheIndex() {
        Rig rig(200, false);
        rig.settings.groupNumber = 3;
        LocateEntry(120, rig.words, rig.settings, rig.state);
        QCOMPARE(rig.settings.position, 120);
        QCOMPARE(rig.settings.groupNumber, 3);
        rig.engine.NextEntry();
        QCOMPARE(rig.state.currentIndex, 120);
        QCOMPARE(rig.settings.position, 121);
    }
};

QTEST_GUILESS_MAIN(TestLocateEntry)
#include "tst_locateentry.moc"
