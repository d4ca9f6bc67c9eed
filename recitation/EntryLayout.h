#pragma once

#include <QPoint>
#include <QSize>

// Where the texts of an entry go and how large the window around them is. Sizes are measured
// by the window with the real fonts; everything else is arithmetic on them.

// The tick timer runs fifty times faster than the word timer: the bar grows by 1/50 of the
// block a tick.
inline constexpr int kTicksPerEntry = 50;

// The sizes of the three texts, each in its font.
struct EntryMeasures {
    QSize word;
    QSize meaning;
    QSize phonetic;
};

struct LayoutOptions {
    bool oneLine = false; // the meaning follows the phonetic text on the first line
    bool showMeaning = true;
    bool showProgressBar = true;
};

struct EntryLayout {
    QPoint word; // the top-left corner of each text
    QPoint phonetic;
    QPoint meaning;
    int blockWidth = 0; // the text block, cut to the screen width less 20
    int blockHeight = 0;
    QSize windowSize;
    int barY = 0; // the progress bar runs along this line under the text
};

// True when the entry is laid out on one line: asked for, or the meaning is not shown.
bool UsesOneLine(const LayoutOptions& options);

EntryLayout LayOutEntry(const EntryMeasures& measures, const LayoutOptions& options,
                        int screenWidth);

// The end of the progress bar after `tick` ticks of fifty.
int BarEnd(int blockWidth, int tick);
