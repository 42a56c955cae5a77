// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSpinBox>

#include <algorithm>

namespace sorvane {

// A spin box that accepts any number while typing and brings it into its range when it loses the
// focus: "300" typed into a box of 1 to 255 becomes 255, not "30".
class RangeSpinBox final : public QSpinBox {
    Q_OBJECT
public:
    explicit RangeSpinBox(QWidget* parent = nullptr) : QSpinBox(parent) {
        setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    }

protected:
    QValidator::State validate(QString& input, int& position) const override {
        const QValidator::State state = QSpinBox::validate(input, position);
        if (state != QValidator::Invalid) return state;
        bool is_number = false;
        input.toLongLong(&is_number);
        return is_number ? QValidator::Intermediate : QValidator::Invalid;
    }

    void fixup(QString& input) const override {
        bool is_number = false;
        const long long number = input.toLongLong(&is_number);
        input = QString::number(is_number ? std::clamp<long long>(number, minimum(), maximum()) : minimum());
    }
};

}  // namespace sorvane
