#pragma once

#include <QByteArrayView>
#include <QString>

// The text spoken for a library line: its whole word field (the text before the first '#'),
// read in the line's encoding as the display reads it.
QString SpokenWord(QByteArrayView line);
