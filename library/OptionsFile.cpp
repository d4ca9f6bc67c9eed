#include "library/OptionsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>

QString OptionsFilePath(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("lexado.conf"));
}

std::unique_ptr<const QSettings> ReadOptionsFile(const QString& programFolder) {
    const QString path = OptionsFilePath(programFolder);
    if (!QFileInfo(path).isFile()) {
        return nullptr;
    }
    auto file = std::make_unique<const QSettings>(path, QSettings::IniFormat);
    return file->status() == QSettings::NoError ? std::move(file) : nullptr;
}

bool OptionFlag(const QSettings& file, const QString& key, bool fallback) {
    const QString text = file.value(key).toString().trimmed().toLower();
    if (text == u"true" || text == u"1") {
        return true;
    }
    if (text == u"false" || text == u"0") {
        return false;
    }
    return fallback;
}

QString OptionText(const QSettings& file, const QString& key, const QString& fallback) {
    return file.contains(key) ? file.value(key).toString().trimmed() : fallback;
}

// QSettings writes its file in place, hence the copy beside it.
bool UpdateOptionsFile(const QString& programFolder, const std::function<void(QSettings&)>& store) {
    const QString path = OptionsFilePath(programFolder);
    QTemporaryFile copy(path + QStringLiteral(".XXXXXX"));
    if (!copy.open()) {
        return false;
    }
    QFile old(path);
    if (QFileInfo(path).isFile() &&
        QSettings(path, QSettings::IniFormat).status() == QSettings::NoError) {
        if (!old.open(QIODevice::ReadOnly) || copy.write(old.readAll()) != old.size()) {
            return false;
        }
    }
    copy.close();
    {
        QSettings file(copy.fileName(), QSettings::IniFormat);
        store(file);
        file.sync();
        if (file.status() != QSettings::NoError) {
            return false;
        }
    }
    if (std::rename(QFile::encodeName(copy.fileName()).constData(),
                    QFile::encodeName(path).constData()) != 0) {
        return false;
    }
    copy.setAutoRemove(false);
    return true;
}
