#include "settings/FieldNumber.h"

std::optional<std::int32_t> FieldNumber(const QString& text, std::int32_t maximum) {
    bool isNumber = false;
    const qlonglong number = text.trimmed().toLongLong(&isNumber, 10);
    if (!isNumber || number < 0 || number > maximum) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(number);
}
