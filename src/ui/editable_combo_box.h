// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

namespace sorvane {

// An editable drop-down list whose selected item follows its text: a text equal to an item (whole,
// letter case included) selects that item, any other text selects none. Typed text is never
// completed, and a pick from the list shows the start of the item.
class EditableComboBox final : public QComboBox {
    Q_OBJECT
public:
    EditableComboBox(QWidget* parent, const QString& text, const QStringList& items);

private:
    void SelectItemOfText();

    bool following_text_ = false;
};

}  // namespace sorvane
