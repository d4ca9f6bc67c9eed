#pragma once

#include <QByteArrayView>
#include <QString>

// The new-word book: data/New_Word.dat, an ordinary library file that only ever grows by
// appended lines or is emptied, so it can be chosen and learnt like any other library.
inline constexpr char kNewWordBookFile[] = "New_Word.dat";

QString NewWordBookPath(const QString& programFolder);

// Appends the line and a carriage return and line feed, creating the file when it is missing.
// False when it cannot be opened or the line cannot be written whole.
bool AppendToNewWordBook(const QString& programFolder, QByteArrayView line);

// Empties the book, creating it empty when it is missing. False when it cannot be written.
bool EmptyNewWordBook(const QString& programFolder);
