#pragma once

// Where the texts of an entry go and how large the window around them is. Sizes are measured
// by the window with the real fonts; everything else is arithmetic on them.

// The tick timer runs fifty times faster than the word timer: the bar grows by 1/50 of the
// block a tick.
inline constexpr int kTicksPerEntry = 50;

struct TextSize {
    int width = 0;
    int height = 0;
};

struct Point {
    int x = 0;
    int y = 0;

    friend bool operator==(const Point&, const Point&) = default;
};

struct EntryMeasures {
    TextSize word;
    TextSize meaning;
    TextSize phonetic;
};

struct LayoutOptions {
    bool oneLine = false; // the meaning follows the phonetic text on the first line
    bool showMeaning = true;
    bool showProgressBar = true;
};

struct EntryLayout {
    Point word;
    Point phonetic;
    Point meaning;
    int blockWidth = 0; // the text block, cut to the screen width less 20
    int blockHeight = 0;
    int windowWidth = 0;
    int windowHeight = 0;
    int barY = 0; // the progress bar runs along this line under the text
};

// True when the entry is laid out on one line: asked for, or the meaning is not shown.
bool UsesOneLine(const LayoutOptions& options);

EntryLayout LayOutEntry(const EntryMeasures& measures, const LayoutOptions& options,
                        int screenWidth);

// The x of the window's left edge: the stored left edge, unless the block would then run past
// the right edge of its screen (screenLeft + screenWidth), where it is pushed left.
int WindowLeft(int storedLeft, int blockWidth, int screenLeft, int screenWidth);

// The end of the progress bar after `tick` ticks of fifty.
int BarEnd(int blockWidth, int tick);
