// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/panel/filter_combo_box.h"

#include "ui/qt_text.h"

namespace sorvane {

FilterComboBox::FilterComboBox(const QString& filter, QWidget* parent) : QComboBox(parent) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        addItem(parts[i]);
        masks_.push_back(ToU16(parts[i + 1]));
    }
    connect(this, &QComboBox::activated, this, [this](int index) { emit maskChosen(MaskAt(index)); });
}

}  // namespace sorvane
