// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

#include <string>
#include <vector>

namespace sorvane {

// The filter list: descriptions with their masks, from a filter text "Description|mask|...".
// Picking one reports its mask.
class FilterComboBox final : public QComboBox {
    Q_OBJECT
public:
    explicit FilterComboBox(const QString& filter, QWidget* parent = nullptr);
    std::u16string MaskAt(int index) const { return masks_[static_cast<std::size_t>(index)]; }

signals:
    void maskChosen(const std::u16string& mask);

private:
    std::vector<std::u16string> masks_;
};

}  // namespace sorvane
