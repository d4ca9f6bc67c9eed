#pragma once

#include <QString>

#include <optional>

class QWidget;

// Why a target could not be opened, under the numbers the hyperlink error box explains.
namespace OpenError {
inline constexpr int FileNotFound = 2;
inline constexpr int PathNotFound = 3;
inline constexpr int AccessDenied = 5;
inline constexpr int AssociationInvalid = 27;
inline constexpr int NoAssociation = 31;
} // namespace OpenError

// Opens `target` (a web address, a mailto: link, a file: URL or a file path) with the desktop's
// default handler: nothing when it opened, otherwise the number of the reason it did not. A
// file that does not exist is refused before any handler sees it. The window that asked is
// busy (see BusyWindow) while the handler is awaited, for a few seconds at most.
std::optional<int> OpenWithDesktop(const QString& target, QWidget* window);
