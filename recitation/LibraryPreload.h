#pragma once

#include "library/LibraryFile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <future>

// The presented library read ahead on a thread of its own while the program connects to the
// display: the library file that Lexado.ini of the program folder names (the first start's
// when there is no Lexado.ini). The main window takes it when it reads its library.
class LibraryPreload {
public:
    LibraryPreload() = default; // nothing read ahead
    static LibraryPreload Start(const QString& programFolder);

    // The contents of data/<fileName> of the program folder: the library read ahead when it is
    // that file and its lines were read, else the file read now (a folder prepared after the
    // read, a record that names another library, the pseudo-entry of a missing or empty file,
    // whose text needs the interface language). A second call reads the file.
    LibraryContents Take(const QString& programFolder, QByteArrayView fileName);

private:
    QString programFolder_;
    QByteArray fileName_;
    std::future<LibraryContents> contents_;
};
