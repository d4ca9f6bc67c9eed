#pragma once

#include <QString>

#include <optional>

// The help is one HTML page per interface language, help/<Name>/index.html among the
// program's resources. The page of a language, or the English one where that language has
// none; nothing when neither is there.
std::optional<QString> HelpPagePath(const QString& resourceFolder, const QString& language);
