#include "app/HelpPage.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString PageOf(const QString& resourceFolder, const QString& language) {
    return QDir(resourceFolder).filePath(QStringLiteral("help/%1/index.html").arg(language));
}

} // namespace

std::optional<QString> HelpPagePath(const QString& resourceFolder, const QString& language) {
    for (const QString& candidate : {language, QStringLiteral("English")}) {
        const QString page = PageOf(resourceFolder, candidate);
        if (!candidate.isEmpty() && QFileInfo(page).isFile()) {
            return page;
        }
    }
    return std::nullopt;
}
