#include "memory/Fsrs.h"

#include <QFile>
#include <QtTest>

#include <cmath>

// The model against the table that ts-fsrs wrote for the same rating sequences
// (scripts/fsrs-reference): every stability and difficulty to 4 significant digits, every
// interval exactly.
class TestFsrs : public QObject {
    Q_OBJECT

    static bool SameTo4Digits(double actual, double expected) {
        return std::abs(actual - expected) <= 0.5e-4 * std::abs(expected);
    }

private slots:
    void matchesReferenceTable_data() {
        QTest::addColumn<double>("retention");
        QTest::addColumn<QList<QByteArrayList>>("steps");
        QFile file(QStringLiteral(LEXADO_FSRS_TABLE));
        QVERIFY(file.open(QIODevice::ReadOnly));
        file.readLine(); // the header
        QMap<QByteArray, QList<QByteArrayList>> sequences;
        QByteArrayList order;
        while (!file.atEnd()) {
            const QByteArrayList fields = file.readLine().trimmed().split('\t');
            QCOMPARE(fields.size(), 7);
            if (!sequences.contains(fields[0])) {
                order.append(fields[0]);
            }
            sequences[fields[0]].append(fields);
        }
        QVERIFY(order.size() >= 10);
        for (const QByteArray& name : order) {
            QTest::newRow(name.constData())
                << sequences[name].first()[1].toDouble() << sequences[name];
        }
    }

    void matchesReferenceTable() {
        QFETCH(double, retention);
        QFETCH(QList<QByteArrayList>, steps);
        const Fsrs model(retention);
        std::optional<MemoryState> state;
        for (const QByteArrayList& step : steps) {
            state = model.Next(state, step[2].toInt(), static_cast<Rating>(step[3].toInt()));
            const QByteArray where = step.join(' ');
            QVERIFY2(SameTo4Digits(state->stability, step[4].toDouble()), where);
            QVERIFY2(SameTo4Digits(state->difficulty, step[5].toDouble()), where);
            QCOMPARE(model.IntervalDays(state->stability), step[6].toInt());
        }
    }

    void retrievabilityFollowsTheCurve() {
        const Fsrs model;
        QCOMPARE(model.Retrievability(0, 5), 1.0);
        QCOMPARE(model.Retrievability(5, 5), 0.9);
        QVERIFY(model.Retrievability(10, 5) < model.Retrievability(9, 5));
        QCOMPARE(Fsrs(0.5).IntervalDays(100), Fsrs(0.8).IntervalDays(100));
        QCOMPARE(Fsrs(0.99).IntervalDays(100), Fsrs(0.97).IntervalDays(100));
    }
};

QTEST_APPLESS_MAIN(TestFsrs)
#include "tst_fsrs.moc"
