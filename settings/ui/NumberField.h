#pragma once

#include <QAbstractSpinBox>

#include <cstdint>
#include <optional>

// A field for a whole number from 0 to a maximum. Its arrow buttons, the arrow and page keys
// and the mouse wheel step the number within that range; typing is free, so the field may hold
// any text, which the page checks when it is left.
class NumberField : public QAbstractSpinBox {
    Q_OBJECT

public:
    explicit NumberField(std::int32_t maximum, QWidget* parent = nullptr);

    void setNumber(std::int32_t number);
    // The number the text stands for; nothing when it is not a number from 0 to the maximum.
    std::optional<std::int32_t> number() const;

    void stepBy(int steps) override;
    QSize sizeHint() const override;

protected:
    StepEnabled stepEnabled() const override;

private:
    std::int32_t maximum_;
};
