#include "memory/Fsrs.h"
#include "memory/ProgressFigures.h"
#include "memory/ui/CStatsWindow.h"

#include <QDir>
#include <QEventLoop>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <benchmark/benchmark.h>

namespace {

constexpr int kDays = 365;
constexpr int kCards = 100'000;
constexpr int kRatings = 500'000;
constexpr qint64 kDay = 86400;

const QDateTime kNow{QDate(2026, 3, 1), QTime(9, 0), Qt::UTC};

void Exec(QSqlQuery& query) {
    if (!query.exec()) {
        qFatal("%s", qPrintable(query.lastError().text()));
    }
}

// A year of one library's history: every card rated first on some day of the year, then
// again when due, most of them known; the daily figures to match. Written with direct SQL in
// one transaction, which is much faster than a transaction per rating.
void FillYear(const QString& folder) {
    MemoryStore::Open(folder, kNow);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "bench year");
        db.setDatabaseName(QDir(folder).filePath(MemoryStore::kFileName));
        db.open();
        QSqlQuery query(db);
        query.exec("BEGIN");
        const qint64 now = kNow.toSecsSinceEpoch();
        const qint64 start = now - kDays * kDay;
        query.prepare("INSERT INTO cards(id, library, word, stability, difficulty, state, created,"
                      " last_review, due, reps, lapses) VALUES(?, 'bench.dat', ?, 5, 5, ?, ?, ?,"
                      " ?, 5, 1)");
        for (int c = 1; c <= kCards; ++c) {
            const int state = c % 10 == 0 ? 0 : c % 10 < 4 ? 1 : 2;
            query.addBindValue(c);
            query.addBindValue(QByteArray("word") + QByteArray::number(c));
            query.addBindValue(state);
            query.addBindValue(start + c % kDays * kDay);
            query.addBindValue(now - c % 30 * kDay);
            query.addBindValue(state == 0 ? 0 : now + (c % 90 - 30) * kDay + c % 3600);
            Exec(query);
        }
        query.prepare("INSERT INTO ratings(card, time, day, rating, stability, difficulty,"
                      " due_before) VALUES(?, ?, ?, ?, 5, 5, ?)");
        for (int r = 0; r < kRatings; ++r) {
            const qint64 time = start + qint64(r) * kDays * kDay / kRatings;
            query.addBindValue(r % kCards + 1);
            query.addBindValue(time);
            query.addBindValue(
                QDateTime::fromSecsSinceEpoch(time, Qt::UTC).date().toString(Qt::ISODate));
            query.addBindValue(r % 7 == 0 ? int(Rating::Again) : int(Rating::Good));
            query.addBindValue(r < kCards ? 0 : time - r % 5000);
            Exec(query);
        }
        query.prepare("INSERT INTO daily(library, day, exposures, again, known, already_known,"
                      " seconds) VALUES('bench.dat', ?, 2000, 200, 1000, 170, 3000)");
        for (int d = 0; d < kDays; ++d) {
            query.addBindValue(kNow.date().addDays(-d).toString(Qt::ISODate));
            Exec(query);
        }
        query.exec("COMMIT");
        query = QSqlQuery();
        db.close();
    }
    QSqlDatabase::removeDatabase("bench year");
}

QString YearFolder() {
    static QTemporaryDir dir;
    static const bool filled = (FillYear(dir.path()), true);
    Q_UNUSED(filled);
    return dir.path();
}

// All the window's figures, of the library (0) and of all libraries (1), with the reading
// connection opened as the window opens it.
void BM_ProgressFigures(benchmark::State& state) {
    const QString folder = YearFolder();
    const QString library = state.range(0) == 0 ? QStringLiteral("bench.dat") : QString();
    for (auto _ : state) {
        const MemoryStore::Opened reader = MemoryStore::OpenReader(folder);
        ProgressFigures figures;
        ComputeProgressFigures(*reader.store, library, kNow, 0.9, &figures);
        benchmark::DoNotOptimize(figures.dueRatings);
    }
}
BENCHMARK(BM_ProgressFigures)
    ->ArgName("all")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Opening the statistics window until its charts show the figures, as the user sees it.
void BM_OpenStatsWindow(benchmark::State& state) {
    const QString folder = YearFolder();
    for (auto _ : state) {
        CStatsWindow window(folder, {{"bench.dat", "Bench"}}, "bench.dat", 0.9, QLocale(), nullptr,
                            [] { return kNow; });
        QEventLoop shown;
        QObject::connect(&window, &CStatsWindow::FiguresShown, &shown, &QEventLoop::quit);
        window.show();
        shown.exec();
        benchmark::DoNotOptimize(window.Figures());
    }
}
BENCHMARK(BM_OpenStatsWindow)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
