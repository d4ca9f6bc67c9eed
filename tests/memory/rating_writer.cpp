// Rates the words w<first>, w<first+1>, ... one after another in the memory of a folder, and
// prints each word once its rating is written, until it is killed.

#include "memory/MemoryStore.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QDateTime now = QDateTime::currentDateTime();
    const MemoryStore::Opened opened = MemoryStore::Open(arguments.at(1), now);
    if (!opened.store) {
        return 1;
    }
    for (qint64 n = arguments.at(2).toLongLong();; ++n) {
        const Card card{"w" + QByteArray::number(n),
                        MemoryState{1, 5},
                        CardState::Learning,
                        0,
                        now.toSecsSinceEpoch(),
                        now.toSecsSinceEpoch() + 86400,
                        1,
                        0};
        if (!opened.store->SaveRating("words.dat", card, Rating::Again, now).ok()) {
            return 1;
        }
        std::printf("%lld\n", static_cast<long long>(n));
        std::fflush(stdout);
    }
}
