// The statistics module's entry point, which the program finds by name once it has loaded the
// module.

#include "memory/StatsModule.h"
#include "memory/ui/CStatsWindow.h"

extern "C" Q_DECL_EXPORT QWidget* LexadoMakeStatsWindow(const StatsWindowRequest& request,
                                                        QWidget* parent) {
    return new CStatsWindow(request.memoryFolder, request.libraries, request.currentLibrary,
                            request.targetRetention, request.locale, parent);
}
