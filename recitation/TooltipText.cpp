#include "recitation/TooltipText.h"

#include "strings/StringTable.h"
#include "strings/TextCodec.h"

QString TooltipText(const SettingsRecord& s, qsizetype entryCount) {
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
