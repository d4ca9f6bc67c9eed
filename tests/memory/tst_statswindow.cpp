#include "controls/AnswersInAdvance.h"
#include "memory/ui/CStatsWindow.h"
#include "memory/ui/StatsCharts.h"

#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QLineSeries>
#include <QPointer>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QDateTime kNow(QDate(2026, 3, 10), QTime(12, 0), Qt::UTC);

QList<qreal> Values(const QBarSet* set) {
    QList<qreal> values;
    for (int i = 0; i < set->count(); ++i) {
        values.append(set->at(i));
    }
    return values;
}

} // namespace

class TestStatsWindow : public QObject {
    Q_OBJECT

private slots:
    void dayLabelLeavesTheYearOut_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("label");
        QTest::newRow("en_US") << "en_US"
                               << "3/9";
        QTest::newRow("de_DE") << "de_DE"
                               << "09.03";
        QTest::newRow("zh_CN") << "zh_CN"
                               << "3/9";
        QTest::newRow("ko_KR") << "ko_KR"
                               << "3. 9.";
    }
    void dayLabelLeavesTheYearOut() {
        QFETCH(QString, locale);
        QTEST(DayLabel(QDate(2026, 3, 9), QLocale(locale)), "label");
    }

    // The charts plot the figures of the library chosen, and the export writes their CSV.
    void chartsHoldTheFigures() {
        QTemporaryDir dir;
        const std::unique_ptr<MemoryStore> store =
            std::move(MemoryStore::Open(dir.path(), kNow).store);
        const Card card{"w", MemoryState{2, 5}, CardState::Known, 0, 0, kNow.toSecsSinceEpoch(), 1,
                        0};
        QVERIFY(store->SaveRating("a.dat", card, Rating::Easy, kNow.addDays(-1)).ok());
        QVERIFY(store->SaveExposure("a.dat", "w", kNow).ok());
        QVERIFY(store->SaveRating("b.dat", card, Rating::Again, kNow).ok());

        QPointer<CStatsWindow> window =
            new CStatsWindow(dir.path(), {{"a.dat", "A"}, {"b.dat", "B"}}, "a.dat", 0.9,
                             QLocale(QLocale::English), nullptr, [] { return kNow; });
        window->show();
        QSignalSpy shown(window.data(), &CStatsWindow::FiguresShown);
        QVERIFY(shown.wait());
        auto* libraries = window->findChild<QComboBox*>();
        QCOMPARE(libraries->currentText(), "A");
        libraries->setCurrentIndex(0); // all libraries
        QVERIFY(shown.wait());

        ProgressFigures expected;
        QVERIFY(ComputeProgressFigures(*store, QString(), kNow, 0.9, &expected).ok());
        const QChart* ratings = window->findChildren<QChartView*>().constFirst()->chart();
        const auto* bars = qobject_cast<const QStackedBarSeries*>(ratings->series().at(0));
        const auto* exposures = qobject_cast<const QLineSeries*>(ratings->series().at(1));
        QList<qreal> known, again;
        for (const ProgressDay& day : expected.days) {
            known << day.known;
            again << day.again;
        }
        QCOMPARE(Values(bars->barSets().at(0)), known);
        QCOMPARE(Values(bars->barSets().at(1)), again);
        QCOMPARE(exposures->at(29), QPointF(29, 1));

        const QString path = dir.filePath("figures.csv");
        AnswersInAdvance::Enable(true);
        AnswersInAdvance::Queue(path);
        window->findChild<QPushButton*>()->click();
        QFile csv(path);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readAll(), ProgressCsv(expected));
        delete window;
    }
};

QTEST_MAIN(TestStatsWindow)
#include "tst_statswindow.moc"
