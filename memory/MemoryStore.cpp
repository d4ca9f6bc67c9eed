#include "memory/MemoryStore.h"

#include "strings/TextCodec.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <sqlite3.h>

#include <functional>
#include <initializer_list>

namespace {

constexpr int kSchemaVersion = 1;

const char* const kSchema[] = {
    "CREATE TABLE cards(id INTEGER PRIMARY KEY, library TEXT NOT NULL, word BLOB NOT NULL,"
    " stability REAL, difficulty REAL, state INTEGER NOT NULL, created INTEGER NOT NULL,"
    " last_review INTEGER NOT NULL, due INTEGER NOT NULL, reps INTEGER NOT NULL,"
    " lapses INTEGER NOT NULL, UNIQUE(library, word))",
    "CREATE INDEX cards_due ON cards(library, due)",
    // The counts by state and the forecast of due cards, of one library and of all.
    "CREATE INDEX cards_state ON cards(library, state, due)",
    "CREATE INDEX cards_state_all ON cards(state, due)",
    // due_before: when the card was due as it was rated, 0 for a card never rated before.
    "CREATE TABLE ratings(id INTEGER PRIMARY KEY, card INTEGER NOT NULL REFERENCES cards(id),"
    " time INTEGER NOT NULL, day TEXT NOT NULL, rating INTEGER NOT NULL,"
    " stability REAL NOT NULL, difficulty REAL NOT NULL, due_before INTEGER NOT NULL)",
    "CREATE INDEX ratings_day ON ratings(day, card)",
    "CREATE INDEX ratings_card ON ratings(card, time)",
    // The ratings of cards that were due, for the retention reached; it holds every column
    // that query reads.
    "CREATE INDEX ratings_due ON ratings(day, card, rating, due_before, time)"
    " WHERE due_before > 0 AND time >= due_before",
    "CREATE TABLE daily(library TEXT NOT NULL, day TEXT NOT NULL,"
    " exposures INTEGER NOT NULL DEFAULT 0, again INTEGER NOT NULL DEFAULT 0,"
    " known INTEGER NOT NULL DEFAULT 0, already_known INTEGER NOT NULL DEFAULT 0,"
    " seconds INTEGER NOT NULL DEFAULT 0, PRIMARY KEY(library, day))",
    "CREATE INDEX daily_day ON daily(day)",
};

QString DayKey(QDate day) {
    return day.toString(Qt::ISODate);
}

// Busy when another connection holds the file (SQLite's primary codes busy and locked).
StoreResult::Status StatusOfCode(int code) {
    const int primary = code & 0xff;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED ? StoreResult::Status::Busy
                                                              : StoreResult::Status::Failed;
}

StoreResult ErrorResult(const QSqlError& error) {
    return {StatusOfCode(error.nativeErrorCode().toInt()), error.text()};
}

StoreResult Run(QSqlQuery& query) {
    return query.exec() ? StoreResult{} : ErrorResult(query.lastError());
}

StoreResult Run(QSqlDatabase db, const QString& sql, std::initializer_list<QVariant> values) {
    QSqlQuery query(db);
    if (!query.prepare(sql)) {
        return ErrorResult(query.lastError());
    }
    for (const QVariant& value : values) {
        query.addBindValue(value);
    }
    return Run(query);
}

// Runs `work` in one write transaction, taken at once so that a second program waits for the
// lock at the start rather than failing halfway.
StoreResult InTransaction(QSqlDatabase db, const std::function<StoreResult()>& work) {
    StoreResult result = Run(db, QStringLiteral("BEGIN IMMEDIATE"), {});
    if (!result.ok()) {
        return result;
    }
    result = work();
    if (result.ok()) {
        result = Run(db, QStringLiteral("COMMIT"), {});
    }
    if (!result.ok()) {
        Run(db, QStringLiteral("ROLLBACK"), {});
    }
    return result;
}

StoreResult AddToDay(QSqlDatabase db, const QString& library, const QDateTime& now,
                     const QString& column, int amount) {
    return Run(db,
               QStringLiteral("INSERT INTO daily(library, day, %1) VALUES(?, ?, ?)"
                              " ON CONFLICT(library, day) DO UPDATE SET %1 = %1 + excluded.%1")
                   .arg(column),
               {library, DayKey(now.date()), amount});
}

StoreResult CreateSchema(QSqlDatabase db) {
    return InTransaction(db, [&] {
        for (const char* statement : kSchema) {
            if (StoreResult result = Run(db, QString::fromLatin1(statement), {}); !result.ok()) {
                return result;
            }
        }
        return Run(db, QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion), {});
    });
}

// Sets the connection up and reads the schema version, which is where a file that is not a
// database shows itself.
StoreResult Prepare(QSqlDatabase db) {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA journal_mode = WAL")) || !query.next()) {
        return ErrorResult(query.lastError());
    }
    if (query.value(0).toString() != QLatin1String("wal")) {
        return {StoreResult::Status::Failed, QStringLiteral("no write-ahead log")};
    }
    if (!query.exec(QStringLiteral("PRAGMA synchronous = NORMAL")) ||
        !query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        return ErrorResult(query.lastError());
    }
    const int version = query.value(0).toInt();
    if (version == 0) {
        return CreateSchema(db);
    }
    if (version != kSchemaVersion) {
        return {StoreResult::Status::Failed, QStringLiteral("unknown memory version")};
    }
    // A damaged cards table fails here rather than at the first rating.
    if (!query.exec(QStringLiteral("SELECT count(*) FROM cards")) || !query.next()) {
        return ErrorResult(query.lastError());
    }
    return {};
}

// The SQLite connection under a Qt one; null when the driver is not SQLite's.
sqlite3* SqliteHandle(const QSqlDatabase& db) {
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) {
        return nullptr;
    }
    return *static_cast<sqlite3* const*>(handle.constData());
}

StoreResult SqliteResult(sqlite3* db, int code) {
    return {StatusOfCode(code),
            db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("no SQLite")};
}

// The counter's address tells apart the copies of this code one process holds (the program's
// and the statistics module's), each counting from 0.
QString NewConnectionName() {
    static QAtomicInt count;
    return QStringLiteral("lexado-memory-%1-%2")
        .arg(reinterpret_cast<quintptr>(&count), 0, 16)
        .arg(count.fetchAndAddRelaxed(1));
}

QSqlDatabase AddConnection(const QString& connection, const QString& path, bool readOnly) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1%2")
                             .arg(MemoryStore::kLockWaitMs)
                             .arg(readOnly ? QStringLiteral(";QSQLITE_OPEN_READONLY") : QString()));
    return db;
}

StoreResult OpenConnection(const QString& connection, const QString& path) {
    QSqlDatabase db = AddConnection(connection, path, false);
    if (!db.open()) {
        return ErrorResult(db.lastError());
    }
    return Prepare(db);
}

StoreResult OpenReadConnection(const QString& connection, const QString& path) {
    if (!QFile::exists(path)) {
        return {StoreResult::Status::Failed, QStringLiteral("no memory")};
    }
    QSqlDatabase db = AddConnection(connection, path, true);
    if (!db.open()) {
        return ErrorResult(db.lastError());
    }
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        return ErrorResult(query.lastError());
    }
    if (query.value(0).toInt() != kSchemaVersion) {
        return {StoreResult::Status::Failed, QStringLiteral("unknown memory version")};
    }
    return {};
}

void CloseConnection(const QString& connection) {
    QSqlDatabase::database(connection, false).close();
    QSqlDatabase::removeDatabase(connection);
}

// Renames the database and its log files to a name of the day that is not taken yet.
QString MoveAside(const QString& path, const QDateTime& now) {
    const QString stem = path + QStringLiteral(".broken-") + DayKey(now.date());
    QString aside = stem;
    for (int n = 2; QFile::exists(aside); ++n) {
        aside = stem + QStringLiteral("-%1").arg(n);
    }
    if (!QFile::rename(path, aside)) {
        return {};
    }
    for (const char* log : {"-wal", "-shm"}) {
        if (QFile::exists(path + QLatin1String(log))) {
            QFile::rename(path + QLatin1String(log), aside + QLatin1String(log));
        }
    }
    return aside;
}

} // namespace

QString MemoryLibraryName(QByteArrayView fileName) {
    return DecodeLine(fileName);
}

MemoryStore::Opened MemoryStore::Open(const QString& folder, const QDateTime& now) {
    const QString path = QDir(folder).filePath(QLatin1String(kFileName));
    const QString connection = NewConnectionName();
    Opened opened;
    opened.result = OpenConnection(connection, path);
    if (opened.result.status == StoreResult::Status::Failed && QFile::exists(path)) {
        // Moved while still open: closing the failed connection may delete its log files.
        opened.movedAside = MoveAside(path, now);
        CloseConnection(connection);
        if (!opened.movedAside.isEmpty()) {
            opened.result = OpenConnection(connection, path);
        }
    }
    if (opened.result.ok()) {
        opened.store.reset(new MemoryStore(connection, Access::Writes));
    } else {
        CloseConnection(connection);
    }
    return opened;
}

MemoryStore::Opened MemoryStore::OpenReader(const QString& folder) {
    const QString connection = NewConnectionName();
    Opened opened;
    opened.result = OpenReadConnection(connection, QDir(folder).filePath(QLatin1String(kFileName)));
    if (opened.result.ok()) {
        opened.store.reset(new MemoryStore(connection, Access::Reads));
    } else {
        CloseConnection(connection);
    }
    return opened;
}

MemoryStore::MemoryStore(QString connection, Access access)
    : connection_(std::move(connection)), access_(access) {}

// Without statistics SQLite reads a library's cards through an index of the library, one
// table lookup a card, which is twice as slow as reading the whole table when the library is
// most of it. SQLite's own advice: optimize as a writer closes. It analyses only tables whose
// statistics are missing or far out of date, so a close rarely pays for it.
MemoryStore::~MemoryStore() {
    if (access_ == Access::Writes) {
        QSqlQuery(QSqlDatabase::database(connection_, false))
            .exec(QStringLiteral("PRAGMA optimize"));
    }
    CloseConnection(connection_);
}

// Reading every card of a library is what the program waits for at start, so the rows are read
// through the SQLite library under the Qt driver, without a QVariant for each value.
StoreResult MemoryStore::LoadCards(const QString& library, std::vector<Card>* cards) const {
    sqlite3* db = SqliteHandle(QSqlDatabase::database(connection_, false));
    sqlite3_stmt* statement = nullptr;
    if (!db ||
        sqlite3_prepare_v2(db,
                           "SELECT word, stability, difficulty, state, created, last_review, due,"
                           " reps, lapses FROM cards WHERE library = ?",
                           -1, &statement, nullptr) != SQLITE_OK) {
        return SqliteResult(db, SQLITE_ERROR);
    }
    const QByteArray name = library.toUtf8();
    sqlite3_bind_text(statement, 1, name.constData(), static_cast<int>(name.size()), SQLITE_STATIC);
    cards->clear();
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
        Card card;
        card.word = QByteArray(static_cast<const char*>(sqlite3_column_blob(statement, 0)),
                               sqlite3_column_bytes(statement, 0));
        if (sqlite3_column_type(statement, 1) != SQLITE_NULL) {
            card.memory = MemoryState{sqlite3_column_double(statement, 1),
                                      sqlite3_column_double(statement, 2)};
        }
        card.state = static_cast<CardState>(sqlite3_column_int(statement, 3));
        card.created = sqlite3_column_int64(statement, 4);
        card.lastReview = sqlite3_column_int64(statement, 5);
        card.due = sqlite3_column_int64(statement, 6);
        card.reps = sqlite3_column_int(statement, 7);
        card.lapses = sqlite3_column_int(statement, 8);
        cards->push_back(std::move(card));
    }
    sqlite3_finalize(statement);
    return step == SQLITE_DONE ? StoreResult{} : SqliteResult(db, step);
}

StoreResult MemoryStore::SaveRating(const QString& library, const Card& card, Rating rating,
                                    const QDateTime& now) {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    const MemoryState memory = card.memory.value_or(MemoryState{});
    const QString column = rating == Rating::Again  ? QStringLiteral("again")
                           : rating == Rating::Good ? QStringLiteral("known")
                                                    : QStringLiteral("already_known");
    // The rating is written before the card changes, so that it keeps the card's due time.
    return InTransaction(db, [&] {
        StoreResult result =
            Run(db,
                QStringLiteral("INSERT OR IGNORE INTO cards(library, word, state, created,"
                               " last_review, due, reps, lapses) VALUES(?, ?, 0, ?, 0, 0, 0, 0)"),
                {library, card.word, card.created});
        if (result.ok()) {
            result = Run(db,
                         QStringLiteral("INSERT INTO ratings(card, time, day, rating, stability,"
                                        " difficulty, due_before) SELECT id, ?, ?, ?, ?, ?, due"
                                        " FROM cards WHERE library = ? AND word = ?"),
                         {now.toSecsSinceEpoch(), DayKey(now.date()), static_cast<int>(rating),
                          memory.stability, memory.difficulty, library, card.word});
        }
        if (result.ok()) {
            result = Run(db,
                         QStringLiteral("UPDATE cards SET stability = ?, difficulty = ?, state = ?,"
                                        " last_review = ?, due = ?, reps = ?, lapses = ?"
                                        " WHERE library = ? AND word = ?"),
                         {memory.stability, memory.difficulty, static_cast<int>(card.state),
                          card.lastReview, card.due, card.reps, card.lapses, library, card.word});
        }
        return result.ok() ? AddToDay(db, library, now, column, 1) : result;
    });
}

StoreResult MemoryStore::SaveExposure(const QString& library, const QByteArray& word,
                                      const QDateTime& now) {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    return InTransaction(db, [&] {
        const StoreResult result =
            Run(db,
                QStringLiteral("INSERT OR IGNORE INTO cards(library, word, state, created,"
                               " last_review, due, reps, lapses) VALUES(?, ?, 0, ?, 0, 0, 0, 0)"),
                {library, word, now.toSecsSinceEpoch()});
        return result.ok() ? AddToDay(db, library, now, QStringLiteral("exposures"), 1) : result;
    });
}

StoreResult MemoryStore::AddRecitedSeconds(const QString& library, int seconds,
                                           const QDateTime& now) {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    return InTransaction(
        db, [&] { return AddToDay(db, library, now, QStringLiteral("seconds"), seconds); });
}

StoreResult MemoryStore::LoadDay(const QString& library, QDate day, DailyFigures* figures) const {
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(QStringLiteral("SELECT exposures, again, known, already_known, seconds"
                                 " FROM daily WHERE library = ? AND day = ?"));
    query.addBindValue(library);
    query.addBindValue(DayKey(day));
    if (StoreResult result = Run(query); !result.ok()) {
        return result;
    }
    *figures = {};
    if (query.next()) {
        *figures = {query.value(0).toInt(), query.value(1).toInt(), query.value(2).toInt(),
                    query.value(3).toInt(), query.value(4).toInt()};
    }
    return {};
}

StoreResult MemoryStore::Read(const QString& sql, const QVariantList& values,
                              const std::function<bool(const QSqlQuery&)>& row) const {
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.setForwardOnly(true);
    if (!query.prepare(sql)) {
        return ErrorResult(query.lastError());
    }
    for (const QVariant& value : values) {
        query.addBindValue(value);
    }
    if (StoreResult result = Run(query); !result.ok()) {
        return result;
    }
    while (query.next() && row(query)) {
    }
    return query.lastError().isValid() ? ErrorResult(query.lastError()) : StoreResult{};
}
