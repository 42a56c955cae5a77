// SPDX-License-Identifier: GPL-3.0-or-later
// The password generator's button: a password from the chosen classes into both key boxes.
#include <QComboBox>

#include "generator/password_generator.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/range_spin_box.h"

namespace sorvane {
namespace {

// The selected list item's text, not what the edit field shows; empty when none is selected.
std::u16string SelectedItem(const QComboBox* box) {
    return box->currentIndex() < 0 ? std::u16string() : ToU16(box->itemText(box->currentIndex()));
}

}  // namespace

void TForm1::Button4Click() {
    const std::u16string english = SelectedItem(ComboBox1), russian = SelectedItem(ComboBox2),
                         digits = SelectedItem(ComboBox3);
    const std::string pool = BuildPool({english, russian, digits});
    if (pool.empty()) {
        dialogs_.Information(this, QStringLiteral("Выбранные параметры не позволяют создать пароль"));
        return;
    }
    SpinEdit1->interpretText();  // typed text counts, brought into 1..255, even if the box kept the focus
    SetKeyBoxes(ToQString(GeneratePassword(pool, SpinEdit1->value())));
}

}  // namespace sorvane
