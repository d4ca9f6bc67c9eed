#include "recitation/EntryLayout.h"

#include <algorithm>

namespace {

constexpr int kTextLeft = 2;
constexpr int kScreenMargin = 20; // the block is never wider than the screen less this
constexpr int kWindowExtraWidth = 6;
constexpr int kWindowExtraHeightWithBar = 9;
constexpr int kWindowExtraHeight = 7;

} // namespace

bool UsesOneLine(const LayoutOptions& options) {
    return options.oneLine || !options.showMeaning;
}

EntryLayout LayOutEntry(const EntryMeasures& m, const LayoutOptions& options, int screenWidth) {
    EntryLayout layout;
    layout.word = {kTextLeft, 0};
    layout.phonetic = {m.word.width(), 0};
    if (UsesOneLine(options)) {
        layout.meaning = {m.word.width() + m.phonetic.width(), 0};
        layout.blockWidth = m.word.width() + m.phonetic.width() + m.meaning.width();
        layout.blockHeight = m.word.height();
    } else {
        layout.meaning = {kTextLeft, m.word.height()};
        layout.blockWidth = std::max(m.word.width() + m.phonetic.width(), m.meaning.width());
        layout.blockHeight = m.word.height() + m.phonetic.height();
    }
    layout.blockWidth = std::min(layout.blockWidth, screenWidth - kScreenMargin);
    layout.windowSize = {layout.blockWidth + kWindowExtraWidth,
                         layout.blockHeight + (options.showProgressBar ? kWindowExtraHeightWithBar
                                                                       : kWindowExtraHeight)};
    layout.barY = layout.blockHeight + 1;
    return layout;
}

int BarEnd(int blockWidth, int tick) {
    return static_cast<int>(static_cast<long long>(blockWidth) * tick / kTicksPerEntry);
}
