#include "recitation/TooltipText.h"

#include "strings/StringTable.h"
#include "strings/TextCodec.h"

namespace {

QString PlaceText(const SettingsRecord& s, qsizetype entryCount) {
    const QString name = DecodeLine(NameField(s.libraryName));
    if (s.grouping) {
        const qint64 place = s.position != 0 ? s.position : s.groupSize;
        return name + StringText(StringId::TipPlacePrefix) + QString::number(s.groupNumber) +
               StringText(StringId::TipGroupSuffix) + QString::number(place) +
               StringText(StringId::TipWordSuffix);
    }
    const qint64 place = s.position != 0 ? s.position : entryCount;
    return name + StringText(StringId::TipPlacePrefix) + QString::number(place) +
           StringText(StringId::TipWordSuffix);
}

} // namespace

QString TooltipText(const SettingsRecord& s, qsizetype entryCount,
                    std::optional<AwayCause> pauseCause) {
    const QString place = PlaceText(s, entryCount);
    return pauseCause ? place + u'\n' + PauseReasonText(*pauseCause) : place;
}

QString PauseReasonText(AwayCause cause) {
    switch (cause) {
    case AwayCause::Idle:
        return StringText(StringId::PauseAway);
    case AwayCause::Locked:
        return StringText(StringId::PauseLocked);
    case AwayCause::FullScreen:
        return StringText(StringId::PauseFullScreen);
    case AwayCause::Hidden:
        return StringText(StringId::PauseHidden);
    }
    return {};
}
