#pragma once

#include <QLocale>
#include <QString>

#include <vector>

class QWidget;

// The statistics window lives in a module of its own, loaded the first time it is opened: Qt
// Charts and the OpenGL libraries it brings would otherwise be loaded and relocated at every
// start of the program, which costs milliseconds and over a megabyte for a window most starts
// never open.

// A library the statistics window offers: its file name, as the memory keys it, and the name
// shown.
struct StatsLibrary {
    QString fileName;
    QString displayName;
};

// What the window is opened on: memoryFolder holds memory.sqlite (the program folder);
// currentLibrary is the file name of the library to show first, one of `libraries` (else all
// are shown); targetRetention is the share the schedule aims at, as 0.9; dates and numbers are
// written in `locale`, the interface language's.
struct StatsWindowRequest {
    QString memoryFolder;
    std::vector<StatsLibrary> libraries;
    QString currentLibrary;
    double targetRetention = 0.9;
    QLocale locale;
};

// The module's one entry point, by this name, makes the window as a child of `parent`.
using StatsWindowMaker = QWidget* (*)(const StatsWindowRequest& request, QWidget* parent);
inline constexpr char kStatsWindowMakerName[] = "LexadoMakeStatsWindow";
inline constexpr char kStatsModuleName[] = "lexado_statistics.so";

// The window, or why the module could not give one.
struct StatsWindowOpening {
    QWidget* window = nullptr;
    QString failure;
};

// Loads the module from beside the executable (a build) or from the program's library folder
// (an installation), once, and makes a window with it.
StatsWindowOpening MakeStatsWindow(const QString& executableDir, const StatsWindowRequest& request,
                                   QWidget* parent);
