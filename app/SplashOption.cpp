#include "app/SplashOption.h"

#include <algorithm>
#include <ranges>

namespace {

bool SuppressesSplash(const QString& argument) {
    if (argument == QLatin1String("--no-splash")) {
        return true;
    }
    if (!argument.startsWith(u'/') && !argument.startsWith(u'-')) {
        return false;
    }
    const QString name = argument.sliced(1);
    return name.compare(QLatin1String("Embedding"), Qt::CaseInsensitive) == 0 ||
           name.compare(QLatin1String("Automation"), Qt::CaseInsensitive) == 0;
}

} // namespace

bool SplashWanted(const QStringList& arguments) {
    return std::ranges::none_of(arguments | std::views::drop(1), SuppressesSplash);
}
