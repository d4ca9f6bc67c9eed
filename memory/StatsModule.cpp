#include "memory/StatsModule.h"

#include <QDir>
#include <QLibrary>

namespace {

// The module's place: beside the executable in a build, else where the package installs it.
QString ModulePath(const QString& executableDir) {
    const QDir beside(executableDir);
    if (beside.exists(QLatin1String(kStatsModuleName))) {
        return beside.filePath(QLatin1String(kStatsModuleName));
    }
    return QDir::cleanPath(beside.filePath(QStringLiteral("../" LEXADO_MODULE_DIR "/") +
                                           QLatin1String(kStatsModuleName)));
}

} // namespace

StatsWindowOpening MakeStatsWindow(const QString& executableDir, const StatsWindowRequest& request,
                                   QWidget* parent) {
    // Never unloaded: the windows it makes run its code.
    static QLibrary module;
    if (!module.isLoaded()) {
        module.setFileName(ModulePath(executableDir));
        if (!module.load()) {
            return {nullptr, module.errorString()};
        }
    }
    const auto make = reinterpret_cast<StatsWindowMaker>(module.resolve(kStatsWindowMakerName));
    if (make == nullptr) {
        return {nullptr, module.errorString()};
    }
    return {make(request, parent), {}};
}
