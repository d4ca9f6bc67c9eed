#include "settings/ui/NumberField.h"

#include "settings/FieldNumber.h"

#include <QLineEdit>

#include <algorithm>

NumberField::NumberField(std::int32_t maximum, QWidget* parent)
    : QAbstractSpinBox(parent), maximum_(maximum) {}

void NumberField::setNumber(std::int32_t number) {
    lineEdit()->setText(QString::number(number));
}

std::optional<std::int32_t> NumberField::number() const {
    return FieldNumber(text(), maximum_);
}

void NumberField::stepBy(int steps) {
    const std::optional<std::int32_t> current = number();
    if (!current) {
        return;
    }
    const std::int64_t stepped = std::int64_t{*current} + steps;
    setNumber(static_cast<std::int32_t>(std::clamp<std::int64_t>(stepped, 0, maximum_)));
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled NumberField::stepEnabled() const {
    const std::optional<std::int32_t> current = number();
    StepEnabled enabled = StepNone;
    if (current && *current < maximum_) {
        enabled |= StepUpEnabled;
    }
    if (current && *current > 0) {
        enabled |= StepDownEnabled;
    }
    return enabled;
}

// Room for seven digits besides the arrows: any number of seconds, and any sensible count.
QSize NumberField::sizeHint() const {
    QSize hint = QAbstractSpinBox::sizeHint();
    hint.rwidth() += fontMetrics().horizontalAdvance(QStringLiteral("0000000"));
    return hint;
}
